#include "rowsweep/steps/reduced_form_steps.h"

#include <QCoreApplication>

#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/stage_texts.h"

namespace rowsweep::steps {

std::vector<WrittenStep> reducedFormSteps(const WorkedSolution& solution)
{
    std::vector<WrittenStep> written;
    const std::vector<WrittenStage>& steps = solution.exactSteps;
    written.reserve(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QStringList operations;
        for (const WrittenOperation& operation : steps[i].operations)
            operations << describeOperation(operation);
        //: A stage of the reduction, as its frame and the copied steps name it.
        written.push_back({QCoreApplication::translate("Steps", "Step %1").arg(kStageCount + 1 + i), operations,
                           matrixTexts(steps[i].matrix)});
    }
    return written;
}

CellTexts exactAnswerTexts(const WorkedSolution& solution)
{
    return matrixTexts(solution.exactAnswer);
}

QString exactContinuationNote()
{
    //: Above the steps on from the floating-point Answer to the reduced row echelon form. "Answer" is the last stage's frame.
    return QCoreApplication::translate("Steps",
                                       "The reduced form is computed in exact fractions from the exact Answer.");
}

QString exactAnswerTitle()
{
    //: Title of the floating-point Answer computed again in exact fractions; "Answer" is the last stage's frame.
    return QCoreApplication::translate("Steps", "Answer in exact fractions");
}

}  // namespace rowsweep::steps
