#pragma once

#include <array>
#include <string_view>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/reduction.h"

// The object names of the windows and their controls: the program's stable
// ids for tests, automation and accessibility tools. They are the names the
// program has always had and do not follow the C++ names. An element of a
// control array is named with its index in parentheses: "Text1(0)".
namespace rowsweep::ui::names {

// One control array per row of a grid, indexed by column.
using GridRows = std::array<std::string_view, kRows>;

inline constexpr std::string_view kMainWindow = "Form1";
inline constexpr std::string_view kAboutWindow = "Form2";
inline constexpr std::string_view kSolvingWindow = "Form3";

// Main window.
inline constexpr std::string_view kInputFrame = "Frame1";
inline constexpr std::string_view kResultFrame = "Frame2";
inline constexpr GridRows kInputRows{"Text1", "Text2", "Text3"};
inline constexpr GridRows kResultRows{"Text4", "Text5", "Text6"};
inline constexpr std::string_view kInputLine = "Line1";
inline constexpr std::string_view kResultLine = "Line2";
inline constexpr std::string_view kSolveButton = "Command1";
inline constexpr std::string_view kClearButton = "Command2";
inline constexpr std::string_view kSampleButton = "Command3";
inline constexpr std::string_view kAboutButton = "Command4";
inline constexpr std::string_view kExitButton = "Command5";
inline constexpr std::string_view kWatchButton = "Command6";
inline constexpr std::string_view kMakerPicture = "Image1";
inline constexpr std::string_view kVerdict = "Verdict";

// Solving window, one entry per stage: Step 1 to Step 5, then Answer.
inline constexpr std::array<std::string_view, kStageCount> kStageFrames{"Frame1", "Frame2", "Frame3",
                                                                        "Frame4", "Frame5", "Frame6"};
inline constexpr std::array<GridRows, kStageCount> kStageRows{{
    {"Text1", "Text2", "Text3"},
    {"Text21", "Text22", "Text23"},
    {"Text31", "Text32", "Text33"},
    {"Text41", "Text42", "Text43"},
    {"Text51", "Text52", "Text53"},
    {"Text61", "Text62", "Text63"},
}};
// A control array with one line per stage frame.
inline constexpr std::string_view kStageLines = "Line1";

// Reduced Form window: the exact Answer, then one frame per step to the
// reduced form, numbered on from the Solving window's.
inline constexpr std::string_view kReducedFormWindow = "ReducedForm";
inline constexpr std::size_t kReducedFormFrameCount = 4;  // at most one step per row
inline constexpr std::array<std::string_view, kReducedFormFrameCount> kReducedFormFrames{"Frame6", "Frame7", "Frame8",
                                                                                        "Frame9"};
inline constexpr std::array<GridRows, kReducedFormFrameCount> kReducedFormRows{{
    {"Text61", "Text62", "Text63"},
    {"Text71", "Text72", "Text73"},
    {"Text81", "Text82", "Text83"},
    {"Text91", "Text92", "Text93"},
}};
inline constexpr std::string_view kReducedFormLines = "Line1";
inline constexpr std::string_view kExactContinuationNote = "Label1";
inline constexpr std::string_view kReducedFormSolution = "Label2";

// Practice window.
inline constexpr std::string_view kPracticeWindow = "Practice";
inline constexpr std::string_view kPracticeFrame = "Frame1";
inline constexpr GridRows kPracticeRows{"Practice1", "Practice2", "Practice3"};
inline constexpr std::string_view kPracticeLine = "Line1";
inline constexpr std::string_view kExerciseNumber = "ExerciseNumber";
inline constexpr std::string_view kHistory = "History";
inline constexpr std::string_view kOperation = "Operation";
inline constexpr std::string_view kApplyButton = "Apply";
inline constexpr std::string_view kHintButton = "Hint";
inline constexpr std::string_view kFeedback = "Feedback";
inline constexpr std::string_view kProgress = "Progress";
inline constexpr std::string_view kRestartButton = "Restart";
inline constexpr std::string_view kFromInputButton = "FromInput";
inline constexpr std::string_view kToMainWindowButton = "ToMainWindow";
inline constexpr std::string_view kExerciseKind = "ExerciseKind";
inline constexpr std::string_view kNewExerciseButton = "NewExercise";

// About window.
inline constexpr std::string_view kCreditsText = "Text1";
inline constexpr std::string_view kOkButton = "Command1";
inline constexpr std::string_view kMakerLink = "Label1";

}  // namespace rowsweep::ui::names
