#include "rowsweep/steps/worked_latex.h"

#include <QCoreApplication>
#include <QStringList>

#include "rowsweep/steps/latex_layout.h"
#include "rowsweep/steps/latex_number.h"
#include "rowsweep/steps/latex_operation.h"
#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_explanation.h"

namespace rowsweep::steps {

namespace {

template<class Number>
LatexMatrix latexMatrix(const BasicMatrix<Number>& matrix)
{
    return entryWise(matrix, [](const Number& value) { return latexNumber(value); });
}

template<class Number>
LatexChain latexChain(const BasicSolve<Number>& solve)
{
    LatexChain chain{latexMatrix(solve.input), {}};
    for (const BasicStage<Number>& stage : solve.reduction.stages) {
        QStringList operations;
        for (const BasicRowOperation<Number>& operation : stage.operations)
            if (!changesNothing(operation))
                operations << latexOperation(operation);
        if (!operations.isEmpty())
            chain.steps.push_back({operations, latexMatrix(stage.matrix)});
    }
    return chain;
}

void appendReducedFormSteps(LatexChain& chain, const ReducedForm& form)
{
    for (const ReducedFormStep& step : form.steps) {
        QStringList operations;
        for (const ExactRowOperation& operation : step.operations)
            operations << latexOperation(operation);
        chain.steps.push_back({operations, latexMatrix(step.matrix)});
    }
}

QString latexUnknown(int unknown)
{
    return QStringLiteral("x_%1").arg(unknown + 1);
}

QString latexSize(const Rational& size)
{
    return latexCoefficient(size);
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
    LatexChain chain = std::visit([](const auto& solve) { return latexChain(solve); }, solution.solve);
    const ReducedForm& form = solution.reducedForm;
    QString latex;
    if (solution.arithmetic() == Arithmetic::Exact || form.steps.empty()) {
        appendReducedFormSteps(chain, form);
        latex = layOutChain(chain);
    } else {
        LatexChain exact{latexMatrix(form.start), {}};
        appendReducedFormSteps(exact, form);
        latex = layOutChain(chain) + QStringLiteral("\\noindent ") + exactContinuationNote() + u'\n'
                + layOutChain(exact);
    }
    return latex + solutionLatex(solution.verdict);
}

QString solutionLatex(const Verdict& verdict)
{
    if (!verdict.solvable) {
        //: LaTeX words before the contradiction "0 = 1"; %1 is the row's number.
        const QString words = QCoreApplication::translate("Latex", "No solution: row %1 reads");
        return displayed(QStringLiteral("\\text{%1 } 0 = %2")
                             .arg(words.arg(verdict.contradictionRow + 1), latexNumber(verdict.contradictionValue)));
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
