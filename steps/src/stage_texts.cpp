#include "rowsweep/steps/stage_texts.h"

#include <QCoreApplication>

#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/warning_hint.h"

namespace rowsweep::steps {

template<class Number>
CellTexts matrixTexts(const BasicMatrix<Number>& matrix)
{
    return entryWise(matrix, [](const Number& value) { return numberText(value); });
}

template CellTexts matrixTexts(const BasicMatrix<double>&);
template CellTexts matrixTexts(const BasicMatrix<Rational>&);

CellTexts inputTexts(const WorkedSolution& solution)
{
    return std::visit([](const auto& solve) { return matrixTexts(solve.input); }, solution.solve);
}

CellTexts stageTexts(const WorkedSolution& solution, std::size_t stage)
{
    return std::visit([stage](const auto& solve) { return matrixTexts(solve.reduction.stages[stage].matrix); },
                      solution.solve);
}

QStringList explainStage(const WorkedSolution& solution, std::size_t stage)
{
    QStringList lines = std::visit(
        [stage](const auto& solve) { return explainStage(solve.reduction.stages[stage]); }, solution.solve);
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
