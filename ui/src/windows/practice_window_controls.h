#pragma once

#include <array>
#include <string_view>

#include <QtGlobal>

#include "rowsweep/engine/exercise.h"
#include "rowsweep/ui/cells/cell_grid_view.h"
#include "rowsweep/ui/object_names.h"
#include "stage_frames.h"

// The Practice window's controls. The grid's frame has the Solving
// window's size; the rest stand in rows around it and grow with the
// texts of the language the windows speak.
namespace rowsweep::ui::practice_window {

//: The frame around the matrix the student works on.
inline constexpr ControlPlacement kFrame{names::kPracticeFrame, QT_TRANSLATE_NOOP("Caption", "Matrix"), {0, 0, 4215, 1815}, 0};
inline constexpr GridPlacement kGrid{names::kPracticeRows, kStageRowTops, kStageRowHeights,
                                     {names::kPracticeLine, kNotAnElement, 3360, 120, 1920}};
// The history beside the grid, as tall as its frame.
inline constexpr int kHistoryWidth = 2400;
// Wide enough for a button's caption in every language the windows speak.
inline constexpr int kButtonWidth = 1695;
inline constexpr int kButtonHeight = 495;

struct Button {
    std::string_view name;
    const char* caption;
};

//: Button: takes the row operation typed in the line.
inline constexpr Button kApply{names::kApplyButton, QT_TRANSLATE_NOOP("Caption", "Apply")};
//: Button: says the next operation of the Gauss–Jordan way.
inline constexpr Button kHint{names::kHintButton, QT_TRANSLATE_NOOP("Caption", "Hint")};
//: Button: back to the matrix the practice started from.
inline constexpr Button kRestart{names::kRestartButton, QT_TRANSLATE_NOOP("Caption", "Restart")};
//: Button: starts the practice again from the main window's input matrix.
inline constexpr Button kFromInput{names::kFromInputButton, QT_TRANSLATE_NOOP("Caption", "From Input")};
//: Button: types the practice's start matrix into the main window's input grid.
inline constexpr Button kToMainWindow{names::kToMainWindowButton, QT_TRANSLATE_NOOP("Caption", "Use in Main Window")};
//: Button: starts a generated exercise of the kind chosen beside it.
inline constexpr Button kNewExercise{names::kNewExerciseButton, QT_TRANSLATE_NOOP("Caption", "New Exercise")};

struct KindChoice {
    ExerciseKind kind;
    const char* caption;
};
// The kind chooser's entries, in order; the first is chosen at first.
inline constexpr std::array<KindChoice, 4> kKinds{{
    {ExerciseKind::OneSolution, QT_TRANSLATE_NOOP("Caption", "One solution")},
    {ExerciseKind::InfinitelyManySolutions, QT_TRANSLATE_NOOP("Caption", "Infinitely many solutions")},
    {ExerciseKind::NoSolution, QT_TRANSLATE_NOOP("Caption", "No solution")},
    {ExerciseKind::AnyKind, QT_TRANSLATE_NOOP("Caption", "Any kind")},
}};

}  // namespace rowsweep::ui::practice_window
