#include "rowsweep/steps/practice_outline.h"

#include <QCoreApplication>

#include "rowsweep/engine/progress.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/steps/latex_operation.h"
#include "rowsweep/steps/practice_words.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/worked_latex.h"
#include "rowsweep/steps/written_stage.h"

namespace rowsweep::steps {

QString exerciseTitle(int number)
{
    //: The number that fixes a generated practice exercise; it is never grouped.
    return QCoreApplication::translate("Practice", "Exercise %1").arg(number);
}

CellTexts startTexts(const PracticeState& state)
{
    CellTexts texts = matrixTexts(writtenMatrix(state.start));
    for (auto& row : texts)
        for (int unknown = 0; unknown < kUnknowns; ++unknown)
            if (!state.inUse[unknown])
                row[unknown].clear();
    return texts;
}

WorkedOutline practiceOutline(const PracticeState& state)
{
    WorkedOutline outline;
    const QString title = state.exercise ? exerciseTitle(*state.exercise)
                                         //: Title of the typed matrix in the copied and printed steps, as its frame names it.
                                         : QCoreApplication::translate("Steps", "Matrix");
    outline.input = {title, {}, matrixTexts(writtenMatrix(state.start))};
    outline.inputNotes = state.notes;
    ExactMatrix matrix = state.start;
    for (std::size_t taken = 0; taken < state.operations.size(); ++taken) {
        const PracticeOperation& operation = state.operations[taken];
        applyOperation(operation, matrix);
        //: A student's operation in the handed-in practice, counted from 1.
        outline.steps.push_back({QCoreApplication::translate("Practice", "Operation %1").arg(taken + 1),
                                 {operationNotation(operation)},
                                 matrixTexts(writtenMatrix(matrix))});
    }
    if (progressOf(matrix).reduced()) {
        const Verdict verdict = readVerdict(continueToReducedForm(matrix), state.inUse);
        //: Title of the verdict and the general solution at the end of the copied steps.
        outline.solutionTitle = QCoreApplication::translate("Steps", "Solution");
        outline.verdict = verdictLine(verdict);
        outline.solution = solutionLines(verdict);
    }
    return outline;
}

QString practiceLatex(const PracticeState& state)
{
    LatexChain chain{latexMatrix(writtenMatrix(state.start)), {}};
    ExactMatrix matrix = state.start;
    for (const PracticeOperation& operation : state.operations) {
        applyOperation(operation, matrix);
        chain.steps.push_back({{latexOperation(writtenOperation(asRowOperation(operation)))},
                               latexMatrix(writtenMatrix(matrix))});
    }
    QString latex = layOutChain(chain);
    if (progressOf(matrix).reduced())
        latex += solutionLatex(readVerdict(continueToReducedForm(matrix), state.inUse));
    return latex;
}

}  // namespace rowsweep::steps
