#include "rowsweep/steps/worked_outline.h"

#include <QCoreApplication>

#include "rowsweep/steps/cell_reading.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning.h"

namespace rowsweep::steps {

QStringList unreadNotes(const BasicMatrix<UnreadCell>& unread)
{
    QStringList notes;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (unread[row][column].why != Unread::No)
                notes << unreadNote(row, column, unread[row][column]);
    return notes;
}

WorkedOutline workedOutline(const WorkedSolution& solution)
{
    WorkedOutline outline;
    //: Title of the typed matrix in the copied and printed steps, as its frame names it.
    outline.input = {QCoreApplication::translate("Steps", "Matrix"), {}, inputTexts(solution)};
    outline.inputNotes = unreadNotes(solution.unread);

    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        outline.steps.push_back({stageName(stage), explainStage(solution, stage), stageTexts(solution, stage)});
    if (solution.warned)
        //: The "Math error" box's title and text, as the copied steps repeat them where the box was shown.
        outline.warning = QCoreApplication::translate("Steps", "%1: %2")
                              .arg(QCoreApplication::translate(kMathErrorContext, kMathErrorTitle),
                                   QCoreApplication::translate(kMathErrorContext, kMathErrorText));
    outline.continuation = reducedFormSteps(solution);
    if (!outline.continuation.empty() && solution.arithmetic == Arithmetic::FloatingPoint)
        outline.continuation.insert(outline.continuation.begin(),
                                    {exactAnswerTitle(), {exactContinuationNote()}, exactAnswerTexts(solution)});
    //: Title of the verdict and the general solution at the end of the copied steps.
    outline.solutionTitle = QCoreApplication::translate("Steps", "Solution");
    outline.verdict = verdictLine(solution.verdict);
    outline.solution = solutionLines(solution.verdict);
    return outline;
}

}  // namespace rowsweep::steps
