#include "result_hints.h"

#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning_hint.h"

namespace rowsweep::ui {

QStringList resultHints(const steps::WorkedSolution& solution)
{
    QStringList hints;
    if (solution.warningFromRounding)
        hints << steps::misleadingWarningHint(solution);
    else if (solution.inputBeyondRange)
        hints << steps::typedBeyondRangeHint();
    if (solution.warned && solution.verdict.solvable)
        hints << steps::solutionsDespiteWarning();
    return hints;
}

}  // namespace rowsweep::ui
