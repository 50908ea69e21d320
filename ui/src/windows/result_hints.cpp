#include "result_hints.h"

#include <variant>

#include "rowsweep/engine/reduction.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning_hint.h"

namespace rowsweep::ui {

QStringList resultHints(const steps::WorkedSolution& solution)
{
    QStringList hints;
    if (solution.warningFromRounding)
        hints << steps::misleadingWarningHint(solution);
    if (solution.warned && solution.verdict.solvable)
        hints << steps::solutionsDespiteWarning();
    return hints;
}

CellMask residueCells(const steps::WorkedSolution& solution)
{
    return solution.residue;
}

}  // namespace rowsweep::ui
