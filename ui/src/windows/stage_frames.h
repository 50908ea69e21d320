#pragma once

#include <array>
#include <cstddef>
#include <span>

#include <QString>

#include "rowsweep/steps/stage_numbers.h"
#include "rowsweep/ui/cells/cell_grid_view.h"

namespace rowsweep::ui {

class Session;

// The Solving and Reduced Form windows show matrices alike: frames of
// 4215 x 1815 twips, each holding a grid whose rows stand 240, 720 and
// 1200 twips down and whose line sets the last column apart.
inline constexpr std::array<int, kRows> kStageRowTops{240, 720, 1200};
inline constexpr std::array<int, kRows> kStageRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

[[nodiscard]] constexpr LinePlacement stageLine(std::string_view lines, int frame)
{
    return {lines, frame, 3360, 120, 1920};
}

// A frame with its grid for each row of the tables, in their order; every
// grid's menu offers the steps of the Solve on show while it shows them.
void placeStageFrames(QWidget& window, std::span<const ControlPlacement> frames, std::span<const GridPlacement> grids,
                      Session& session, std::span<CellGridView*> placed);

// A matrix into its grid, and what its stage did into the frame's tooltip
// and accessible description; empty texts take them away.
void showStage(CellGridView& grid, const steps::StageNumbers& numbers, const QString& operations);
void clearStage(CellGridView& grid);

}  // namespace rowsweep::ui
