#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/object_names.h"

class QLabel;

namespace rowsweep::ui {

class ArithmeticSetting;
class CellGridView;

// The "Reduced Form" window: the exact Answer, one frame per step on to the
// reduced row echelon form, in the Solving window's look, and the verdict
// with the solution below them. Only the frames a Solve needs are shown;
// the pivots of the last one are bold. Escape closes it.
class ReducedFormWindow final : public QWidget {
public:
    // As the Solving window: the main window's picture is its icon and its
    // grids' menus switch the arithmetic and open this window.
    ReducedFormWindow(const QPixmap& mainPicture, ArithmeticSetting& arithmetic, const std::function<void()>& open);

    void showSolution(std::shared_ptr<const steps::WorkedSolution> solution);
    void clear();

    [[nodiscard]] CellGridView& grid(std::size_t frame) const { return *grids_[frame]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showFrames(std::size_t count);

    std::array<CellGridView*, names::kReducedFormFrameCount> grids_{};
    QLabel* note_ = nullptr;
    QLabel* solution_ = nullptr;
};

}  // namespace rowsweep::ui
