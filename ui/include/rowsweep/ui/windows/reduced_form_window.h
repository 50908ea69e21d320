#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/object_names.h"

class QLabel;

namespace rowsweep::ui {

class CellGridView;
class Session;

// The "Reduced Form" window: the exact Answer, one frame per step on to the
// reduced row echelon form, in the Solving window's look, and the verdict
// with the solution below them. It shows the Solve on show and follows
// every Solve and Clear while it is open. Only the frames a Solve needs
// are shown; the pivots of the last one are bold. Escape closes it.
class ReducedFormWindow final : public QWidget {
public:
    // As the Solving window, the main window's picture is its icon.
    ReducedFormWindow(Session& session, const QPixmap& mainPicture);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSolution(const steps::WorkedSolution& solution);
    void clear();
    void showFrames(std::size_t count);

    std::array<CellGridView*, names::kReducedFormFrameCount> grids_{};
    QLabel* note_ = nullptr;
    QLabel* solution_ = nullptr;
};

}  // namespace rowsweep::ui
