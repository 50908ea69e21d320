#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/engine/reduction.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

class ArithmeticSetting;
class CellGridView;

// The "Solving" window: six grids that show the matrix after each stage of
// the reduction and in its final state. A passive display, filled and
// emptied from the main window.
class SolvingWindow final : public QWidget {
public:
    // The main window's picture becomes this window's icon; every grid's
    // menu switches the program's arithmetic and opens the reduced form.
    SolvingWindow(const QPixmap& mainPicture, ArithmeticSetting& arithmetic,
                  const std::function<void()>& openReducedForm = {});

    // Each stage's matrix into its grid, and what the stage did into its
    // frame's tooltip and accessible description; the grids' menus copy
    // the solution until the next Solve or Clear.
    void showSolution(std::shared_ptr<const steps::WorkedSolution> solution);
    void clear();

private:
    std::array<CellGridView*, kStageCount> grids_{};
};

}  // namespace rowsweep::ui
