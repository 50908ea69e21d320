#pragma once

#include <QString>

#include "rowsweep/steps/worked_outline.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The texts of one grid as spreadsheets copy them and a paste fills a grid
// from them: a line per row, the six values separated by tabs.
[[nodiscard]] QString gridCopyText(const CellTexts& texts);

// The whole solution as plain text: the input, then each stage's name,
// what it did and the matrix after it, columns aligned and a bar before the
// augmented column; the warning, when it was shown; the steps on to the
// reduced form; then the solution set.
[[nodiscard]] QString workedSolutionText(const WorkedSolution& solution);
// The same from an outline, whatever work it holds; the solution set only
// where it has one.
[[nodiscard]] QString outlineText(const WorkedOutline& outline);

}  // namespace rowsweep::steps
