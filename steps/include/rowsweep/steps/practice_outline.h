#pragma once

// The practice as its history holds it, and as it is handed in: written
// into the same outline as Copy All Steps, so that the plain text, the
// LaTeX and the document on paper come from the writers the worked
// solution uses.

#include <optional>
#include <vector>

#include <QStringList>

#include "rowsweep/engine/practice_operation.h"
#include "rowsweep/engine/verdict.h"
#include "rowsweep/steps/worked_outline.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

struct PracticeState {
    ExactMatrix start{};
    UnknownsInUse inUse{};
    std::optional<int> exercise;  // its number, when the start is a generated exercise
    QStringList notes;            // the input cells that counted as 0 without being numbers
    std::vector<PracticeOperation> operations;  // from the start to `matrix`
    ExactMatrix matrix{};
};

// "Exercise 4711", as the window shows the number and the hand-in names it.
[[nodiscard]] QString exerciseTitle(int number);

// The start as cells write it, with the unknowns not in use left empty:
// what Use in Main Window types into the input grid.
[[nodiscard]] CellTexts startTexts(const PracticeState& state);

// The start matrix (titled with its exercise), each operation with the
// matrix after it, and, once the reduced row echelon form is reached, the
// verdict and the solution.
[[nodiscard]] WorkedOutline practiceOutline(const PracticeState& state);

// The same as Copy All Steps as LaTeX writes a Solve: the chain of
// matrices with each operation on its arrow, and the solution once the
// reduced row echelon form is reached.
[[nodiscard]] QString practiceLatex(const PracticeState& state);

}  // namespace rowsweep::steps
