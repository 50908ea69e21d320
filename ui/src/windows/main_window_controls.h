#pragma once

#include <array>

#include <QtGlobal>

#include "rowsweep/ui/cells/cell_grid_view.h"
#include "rowsweep/ui/object_names.h"

// The main window's layout: its frames and grids, the command buttons from
// top to bottom, the maker's picture, the verdict line and the order the
// Tab key takes.
namespace rowsweep::ui::main_window {

inline constexpr int kClientWidth = 7425;
inline constexpr int kClientHeight = 4815;

//: The frame around the grid the student types the matrix into.
inline constexpr ControlPlacement kInputFrame{names::kInputFrame, QT_TRANSLATE_NOOP("Caption", "Matrix"), {360, 240, 4215, 1935}, 0};
//: The frame around the grid that shows the reduced matrix.
inline constexpr ControlPlacement kResultFrame{names::kResultFrame, QT_TRANSLATE_NOOP("Caption", "Result Matrix"), {360, 2520, 4215, 1935}, 19};
inline constexpr ControlPlacement kMakerPicture{names::kMakerPicture, "", {6000, 4080, 480, 480}, kNoTabIndex};
// In the strip below the result; it takes no focus.
inline constexpr ControlPlacement kVerdict{names::kVerdict, "", {360, 4500, 5520, 255}, kNoTabIndex};

// The buttons are 113 pixels wide; a longer caption wraps onto a second
// line, and the About button's caption has one line below its picture.
//: Button: fills the input grid with an example matrix.
inline constexpr ControlPlacement kSampleButton{names::kSampleButton, QT_TRANSLATE_NOOP("Caption", "Sample"), {5400, 360, 1695, 495}, 40};
//: Button: reduces the matrix.
inline constexpr ControlPlacement kSolveButton{names::kSolveButton, QT_TRANSLATE_NOOP("Caption", "Solve"), {5400, 960, 1695, 495}, 23};
//: Button: empties every grid of both windows.
inline constexpr ControlPlacement kClearButton{names::kClearButton, QT_TRANSLATE_NOOP("Caption", "Clear"), {5400, 1560, 1695, 495}, 39};
//: Button: shows the window with the matrix after every stage of the reduction. The odd English is the program's own; translate the meaning.
inline constexpr ControlPlacement kWatchButton{names::kWatchButton, QT_TRANSLATE_NOOP("Caption", "Watch on a solving"), {5400, 2160, 1695, 495}, 43};
//: Button and window title: the program's name, version and credits.
inline constexpr ControlPlacement kAboutButton{names::kAboutButton, QT_TRANSLATE_NOOP("Caption", "About"), {5400, 2760, 1695, 495}, 41};
//: Button: ends the program after asking.
inline constexpr ControlPlacement kExitButton{names::kExitButton, QT_TRANSLATE_NOOP("Caption", "Exit"), {5400, 3360, 1695, 495}, 42};

inline constexpr std::array<int, kRows> kRowTops{360, 840, 1320};
inline constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

inline constexpr GridPlacement kInputGrid{names::kInputRows, kRowTops, kRowHeights, {names::kInputLine, kNotAnElement, 3360, 120, 1920}};
inline constexpr GridPlacement kResultGrid{names::kResultRows, kRowTops, kRowHeights, {names::kResultLine, kNotAnElement, 3360, 120, 1920}};

enum Grid { Input, Result };

// The fourth input cell is reached only after the last input cell, and
// "Solve" sits between the first and second columns of the result grid.
inline constexpr std::array<CellTabRun, 11> kCellTabOrder{{
    {1, Input, 0, 0, 2},
    {4, Input, 0, 4, 5},
    {6, Input, 1, 0, 5},
    {12, Input, 2, 0, 5},
    {18, Input, 0, 3, 3},
    {20, Result, 2, 0, 0},
    {21, Result, 1, 0, 0},
    {22, Result, 0, 0, 0},
    {24, Result, 0, 1, 5},
    {29, Result, 1, 1, 5},
    {34, Result, 2, 1, 5},
}};

}  // namespace rowsweep::ui::main_window
