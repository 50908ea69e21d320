#include "rowsweep/steps/worked_outline.h"

#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning.h"

namespace rowsweep::steps {

WorkedOutline workedOutline(const WorkedSolution& solution)
{
    WorkedOutline outline;
    outline.input = {QStringLiteral("Matrix"), {}, inputTexts(solution)};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (solution.unreadable[row][column])
                outline.inputNotes
                    << QStringLiteral("Row %1, column %2: (not a number, counted as 0)").arg(row + 1).arg(column + 1);

    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        outline.steps.push_back({stageName(stage), explainStage(solution, stage), stageTexts(solution, stage)});
    if (solution.warned)
        outline.warning = QString::fromUtf8(kMathErrorTitle) + QStringLiteral(": ") + QString::fromUtf8(kMathErrorText);
    outline.continuation = reducedFormSteps(solution);
    if (!outline.continuation.empty() && solution.arithmetic() == Arithmetic::FloatingPoint)
        outline.continuation.insert(outline.continuation.begin(),
                                    {exactAnswerTitle(), {exactContinuationNote()}, exactAnswerTexts(solution)});
    outline.solutionTitle = QStringLiteral("Solution");
    outline.verdict = verdictLine(solution.verdict);
    outline.solution = solutionLines(solution.verdict);
    return outline;
}

}  // namespace rowsweep::steps
