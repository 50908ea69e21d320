#pragma once

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// What "Solve" works out from the input cells in the chosen arithmetic:
// each text read as a number (one that is not counts as 0 and is listed,
// unless it is blank), the reduction, whether the warning is due, and the
// exact verdict on the system, read from the reduced form that goes on
// from the exact Answer. An unknown whose column is blank in every row is
// not in use. The input, the six stages and the steps on to the reduced
// form come written as the cells of their arithmetic write them, so that
// nothing after this needs to know which arithmetic ran.
//
// The verdict always reads the texts exactly, as Exact Fractions does
// ("0.1" is 1/10), except that in floating point a fraction stays not a
// number, so that it judges the input the reduction worked on. In floating
// point the warning follows row 3 of the answer as written; in Exact
// Fractions it is shown exactly when the system has no solution.
[[nodiscard]] WorkedSolution solveCells(const CellTexts& texts, Arithmetic arithmetic);

// The cells read as Exact Fractions reads them ("0.1" is 1/10, "2/3" a
// fraction): a text it does not read counts as 0 and is listed with why,
// unless it is blank; an unknown whose column is blank in every row is not
// in use.
struct ExactCells {
    ExactMatrix matrix;
    BasicMatrix<UnreadCell> unread{};
    UnknownsInUse inUse{};
};
[[nodiscard]] ExactCells readExactCells(const CellTexts& texts);

// Whether a cell's text is blank: blanks count as 0 without being marked.
[[nodiscard]] bool isBlankCell(const QString& text);

}  // namespace rowsweep::steps
