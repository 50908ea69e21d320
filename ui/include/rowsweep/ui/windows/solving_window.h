#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/engine/reduction.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

class CellGridView;
class Session;

// The "Solving" window: six grids that show the matrix after each stage of
// the reduction and in its final state. A passive display: created with
// empty grids, it shows the snapshots of every Solve from then on, and
// Clear empties it.
class SolvingWindow final : public QWidget {
public:
    // The main window's picture becomes this window's icon.
    SolvingWindow(Session& session, const QPixmap& mainPicture);

    // Each stage's matrix into its grid, and what the stage did into its
    // frame's tooltip and accessible description.
    void showSolution(const steps::WorkedSolution& solution);

private:
    void clear();

    std::array<CellGridView*, kStageCount> grids_{};
};

}  // namespace rowsweep::ui
