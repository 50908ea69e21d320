#include "rowsweep/steps/stage_texts.h"

#include <QCoreApplication>

#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/warning_hint.h"

namespace rowsweep::steps {

CellTexts matrixTexts(const WrittenMatrix& matrix)
{
    return entryWise(matrix, [](const WrittenNumber& number) { return numberText(number); });
}

CellTexts inputTexts(const WorkedSolution& solution)
{
    return matrixTexts(solution.input);
}

CellTexts stageTexts(const WorkedSolution& solution, std::size_t stage)
{
    return matrixTexts(solution.stages[stage].matrix);
}

QStringList explainStage(const WorkedSolution& solution, std::size_t stage)
{
    QStringList lines = explainStage(solution.stages[stage]);
    if (stage + 1 == kStageCount && solution.warningFromRounding)
        lines << misleadingWarningHint(solution);
    return lines;
}

QString solutionsDespiteWarning()
{
    //: Follows a "Math error" when the reduced form still finds solutions.
    return QCoreApplication::translate("WorkedSolution", "The system has solutions; see the line below the result.");
}

}  // namespace rowsweep::steps
