#pragma once

#include <QString>

#include "rowsweep/engine/verdict.h"
#include "rowsweep/steps/latex_layout.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The chain of matrices as a LaTeX fragment that needs only amsmath: each
// arrow carries the row operations of one stage; stages that changed
// nothing are left out. The steps to the reduced form go on from the
// Answer, and the solution set follows in display math.
[[nodiscard]] QString workedSolutionLatex(const WorkedSolution& solution);

// The solution set in LaTeX display math, worded as the verdict line: a
// line per pivot unknown ("x_1 &= 2 - \tfrac{3}{2} x_3"), a term a line
// where one is too long for the page, then the free unknowns; or the row
// that contradicts.
[[nodiscard]] QString solutionLatex(const Verdict& verdict);

// Each entry of a matrix in LaTeX.
[[nodiscard]] LatexMatrix latexMatrix(const WrittenMatrix& matrix);

}  // namespace rowsweep::steps
