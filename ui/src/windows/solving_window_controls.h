#pragma once

#include <array>

#include <QtGlobal>

#include "rowsweep/ui/object_names.h"
#include "stage_frames.h"

// The Solving window's layout: its frames, the grids in them and the order
// the Tab key takes through their cells.
namespace rowsweep::ui::solving_window {

inline constexpr int kClientWidth = 8910;
inline constexpr int kClientHeight = 5655;

// Frames in the order of the stages they show, Step 1 to Answer.
inline constexpr std::array<ControlPlacement, kStageCount> kFrames{{
    //: Frame: the matrix after the first stage of the reduction.
    {names::kStageFrames[0], QT_TRANSLATE_NOOP("Caption", "Step 1"), {240, 120, 4215, 1815}, 0},
    {names::kStageFrames[1], QT_TRANSLATE_NOOP("Caption", "Step 2"), {240, 1920, 4215, 1815}, 19},
    {names::kStageFrames[2], QT_TRANSLATE_NOOP("Caption", "Step 3"), {240, 3720, 4215, 1815}, 38},
    {names::kStageFrames[3], QT_TRANSLATE_NOOP("Caption", "Step 4"), {4560, 120, 4215, 1815}, 57},
    {names::kStageFrames[4], QT_TRANSLATE_NOOP("Caption", "Step 5"), {4560, 1920, 4215, 1815}, 71},
    //: Frame: the matrix after the last stage, the reduced matrix itself.
    {names::kStageFrames[5], QT_TRANSLATE_NOOP("Caption", "Answer"), {4560, 3720, 4215, 1815}, 90},
}};

inline constexpr int kTallCell = 405;

// The line of "Step 3" sits higher than the others.
inline constexpr LinePlacement kRaisedLine{names::kStageLines, 2, 3360, 0, 1800};

// "Step 4" has a taller second row and "Answer" a taller first row.
inline constexpr std::array<GridPlacement, kStageCount> kGrids{{
    {names::kStageRows[0], kStageRowTops, kStageRowHeights, stageLine(names::kStageLines, 0)},
    {names::kStageRows[1], kStageRowTops, kStageRowHeights, stageLine(names::kStageLines, 1)},
    {names::kStageRows[2], kStageRowTops, kStageRowHeights, kRaisedLine},
    {names::kStageRows[3], kStageRowTops, {kGridCellHeight, kTallCell, kGridCellHeight}, stageLine(names::kStageLines, 3)},
    {names::kStageRows[4], kStageRowTops, kStageRowHeights, stageLine(names::kStageLines, 4)},
    {names::kStageRows[5], kStageRowTops, {kTallCell, kGridCellHeight, kGridCellHeight}, stageLine(names::kStageLines, 5)},
}};

// "Step 1" is walked backwards from its fourth cell of row 1; the last five
// cells of row 3 of "Step 4" come last of all.
inline constexpr std::array<CellTabRun, 21> kCellTabOrder{{
    {1, 0, 0, 3, 3},   {2, 0, 2, 5, 0},   {8, 0, 1, 5, 0},   {14, 0, 0, 5, 4},  {16, 0, 0, 2, 0},
    {20, 1, 0, 0, 5},  {26, 1, 1, 0, 5},  {32, 1, 2, 0, 5},  {39, 2, 0, 0, 5},  {45, 2, 1, 0, 5},
    {51, 2, 2, 0, 5},  {58, 3, 0, 0, 5},  {64, 3, 1, 0, 5},  {70, 3, 2, 0, 0},  {72, 4, 0, 0, 5},
    {78, 4, 1, 0, 5},  {84, 4, 2, 0, 5},  {91, 5, 0, 0, 5},  {97, 5, 1, 0, 5},  {103, 5, 2, 0, 5},
    {109, 3, 2, 1, 5},
}};

}  // namespace rowsweep::ui::solving_window
