#pragma once

#include <QString>
#include <QStringList>

#include "rowsweep/engine/verdict.h"
#include "rowsweep/engine/written_number.h"

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

// How a form of the solution names an unknown ("x3", "x_3") and writes the
// size of a number.
using UnknownName = QString (*)(int unknown);
using SizeWriter = QString (*)(const WrittenNumber& size);

// A pivot unknown's right-hand side, a term each: "2", " - 3/2 x3",
// " + x5". The constant comes first, left out when it is 0 and a term
// follows; a coefficient of 1 is left out; the first term carries its sign
// directly, the later ones an operator. "0" when nothing is left.
[[nodiscard]] QStringList rightHandSide(const PivotUnknown& pivot, UnknownName name, SizeWriter size);

// The names of the free unknowns in use, in order.
[[nodiscard]] QStringList freeUnknowns(const Verdict& verdict, UnknownName name);

}  // namespace rowsweep::steps
