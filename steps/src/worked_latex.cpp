#include "rowsweep/steps/worked_latex.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStringList>

#include "rowsweep/engine/latex_number.h"
#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/latex_layout.h"
#include "rowsweep/steps/latex_operation.h"
#include "rowsweep/steps/latex_width.h"
#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/solution_set.h"

namespace rowsweep::steps {

LatexMatrix latexMatrix(const WrittenMatrix& matrix)
{
    LatexMatrix written{entryWise(matrix, [](const WrittenNumber& number) { return latex(latexNumber(number)); }), {}};
    for (int row = 0; row < kRows; ++row)
        written.holdsFraction[row] = std::any_of(matrix[row].begin(), matrix[row].end(), [](const WrittenNumber& number) {
            return number.kind == WrittenNumber::Kind::Fraction;
        });
    return written;
}

namespace {

// The six stages; a stage that changed nothing has no arrow.
LatexChain latexChain(const WorkedSolution& solution)
{
    LatexChain chain{latexMatrix(solution.input), {}};
    for (const WrittenStage& stage : solution.stages) {
        QStringList operations;
        for (const WrittenOperation& operation : stage.operations)
            if (!operation.changesNothing)
                operations << latexOperation(operation);
        if (!operations.isEmpty())
            chain.steps.push_back({operations, latexMatrix(stage.matrix)});
    }
    return chain;
}

void appendReducedFormSteps(LatexChain& chain, const std::vector<WrittenStage>& steps)
{
    for (const WrittenStage& step : steps) {
        QStringList operations;
        for (const WrittenOperation& operation : step.operations)
            operations << latexOperation(operation);
        chain.steps.push_back({operations, latexMatrix(step.matrix)});
    }
}

QString latexUnknown(int unknown)
{
    return QStringLiteral("x_%1").arg(unknown + 1);
}

QString latexSize(const WrittenNumber& size)
{
    return latex(latexCoefficient(size));
}

QString displayed(const QString& math)
{
    return QStringLiteral("\\[\n") + math + QStringLiteral("\n\\]\n");
}

}  // namespace

// In exact fractions the steps to the reduced form go on in the same
// chain; in floating point a chain of their own starts from the exact
// Answer, after a line that says so.
QString workedSolutionLatex(const WorkedSolution& solution)
{
    LatexChain chain = latexChain(solution);
    QString chains;
    if (solution.arithmetic == Arithmetic::Exact || solution.exactSteps.empty()) {
        appendReducedFormSteps(chain, solution.exactSteps);
        chains = layOutChain(chain);
    } else {
        LatexChain exact{latexMatrix(solution.exactAnswer), {}};
        appendReducedFormSteps(exact, solution.exactSteps);
        chains = layOutChain(chain) + QStringLiteral("\\noindent ") + exactContinuationNote() + u'\n'
                 + layOutChain(exact);
    }
    return chains + solutionLatex(solution.verdict);
}

QString solutionLatex(const Verdict& verdict)
{
    if (!verdict.solvable) {
        //: LaTeX words before the contradiction "0 = 1"; %1 is the row's number.
        const QString words = QCoreApplication::translate("Latex", "No solution: row %1 reads");
        return displayed(QStringLiteral("\\text{%1 } 0 = %2")
                             .arg(words.arg(verdict.contradictionRow + 1), latex(latexNumber(writtenNumber(verdict.contradictionValue)))));
    }
    if (verdict.nothingToSolve())
        return displayed(QStringLiteral("\\text{%1}").arg(verdictLine(verdict)));
    QStringList lines;
    // A solution too long for the page goes on with a term a line.
    for (const PivotUnknown& pivot : verdict.pivots) {
        const QStringList terms = rightHandSide(pivot, latexUnknown, latexSize);
        const QString start = latexUnknown(pivot.unknown) + QStringLiteral(" &= ");
        const QString line = start + terms.join(QString());
        lines << (fitsTheLine(line) ? line : start + terms.join(QStringLiteral(" \\\\\n&\\qquad ")));
    }
    const QStringList free = freeUnknowns(verdict, latexUnknown);
    const int freeCount = static_cast<int>(free.size());
    if (freeCount > 0)
        lines << QStringLiteral("& %1 \\text{ %2}")
                     .arg(free.join(QStringLiteral(", ")),
                          //: Follows the free unknowns of the general solution in LaTeX ("x_3, x_4 free"); their count picks the plural form.
                          QCoreApplication::translate("Latex", "free", nullptr, freeCount));
    return displayed(QStringLiteral("\\begin{aligned}\n") + lines.join(QStringLiteral(" \\\\\n"))
                     + QStringLiteral("\n\\end{aligned}"));
}

}  // namespace rowsweep::steps
