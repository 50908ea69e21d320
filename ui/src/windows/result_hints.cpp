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

// The one place the windows read the reduction's own numbers.
CellMask residueCells(const steps::WorkedSolution& solution)
{
    CellMask cells{};
    if (const auto* solve = std::get_if<steps::BasicSolve<double>>(&solution.solve))
        for (int column = 0; column < kColumns; ++column)
            cells[kRows - 1][column] = !readsBackAsZero(solve->reduction.answer()[kRows - 1][column]);
    return cells;
}

}  // namespace rowsweep::ui
