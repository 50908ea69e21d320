#pragma once

#include <array>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The eighteen texts of an input grid, [row][column].
using CellTexts = std::array<std::array<QString, kColumns>, kRows>;

// What "Solve" works out from the input cells: each text read as a number
// (one that is not counts as 0 and is listed, unless it is blank), the
// reduction, and whether the warning is due.
[[nodiscard]] WorkedSolution solveCells(const CellTexts& texts);

// Whether a cell's text is blank: blanks count as 0 without being marked.
[[nodiscard]] bool isBlankCell(const QString& text);

}  // namespace rowsweep::steps
