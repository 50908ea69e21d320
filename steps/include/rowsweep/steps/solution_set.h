#pragma once

#include <QString>
#include <QStringList>

#include "rowsweep/engine/verdict.h"

namespace rowsweep::steps {

// The one line under the result, naming only the unknowns in use:
// "One solution: x1 = 2, x2 = 3, x3 = -1", "Infinitely many solutions:
// x3 free", "No solution: the equations contradict each other" or
// "Nothing to solve: every coefficient column is empty".
[[nodiscard]] QString verdictLine(const Verdict& verdict);

// The general solution, a line per pivot unknown and then the free ones
// in use ("x1 = 2 - 3/2 x3 + x5", "x2 = -1 + 1/4 x4", "x3, x4, x5 free"),
// or, for a contradiction, the row of the reduced form that shows it
// ("Row 3 reads 0 = 1"); nothing when there is nothing to solve.
// Numbers are written as exact cells write them.
[[nodiscard]] QStringList solutionLines(const Verdict& verdict);

// The same in LaTeX display math, needing only amsmath.
[[nodiscard]] QString solutionLatex(const Verdict& verdict);

}  // namespace rowsweep::steps
