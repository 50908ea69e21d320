#include "rowsweep/steps/worked_solution.h"

#include <algorithm>
#include <cmath>

#include "rowsweep/steps/latex_layout.h"
#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/worked_outline.h"
#include "rowsweep/steps/warning.h"
#include "rowsweep/steps/warning_hint.h"

namespace rowsweep::steps {

template<class Number>
CellTexts matrixTexts(const BasicMatrix<Number>& matrix)
{
    CellTexts texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = numberText(matrix[row][column]);
    return texts;
}

template CellTexts matrixTexts(const BasicMatrix<double>&);
template CellTexts matrixTexts(const BasicMatrix<mpq_class>&);

namespace {

// The matrix as lines of right-aligned columns, with a bar before the
// augmented column.
QStringList alignedRows(const CellTexts& texts)
{
    std::array<qsizetype, kColumns> widths{};
    for (const auto& row : texts)
        for (int column = 0; column < kColumns; ++column)
            widths[column] = std::max(widths[column], row[column].size());
    QStringList lines;
    for (const auto& row : texts) {
        QString line;
        for (int column = 0; column < kColumns; ++column) {
            if (column > 0)
                line += column + 1 == kColumns ? QStringLiteral("  |  ") : QStringLiteral("  ");
            line += row[column].rightJustified(widths[column]);
        }
        lines << line;
    }
    return lines;
}

QString latexRow(int row)
{
    return QStringLiteral("R_%1").arg(row + 1);
}

// A number that multiplies or divides a row: in parentheses where its sign
// or its power of ten would otherwise run into the operation.
QString latexFactor(double value)
{
    const QString text = latexNumber(value);
    return text.startsWith(u'-') || text.contains(QStringLiteral("\\times")) ? u'(' + text + u')' : text;
}

QString latexFactor(const mpq_class& value)
{
    const QString size = latexCoefficient(abs(value));
    return sgn(value) < 0 || size.contains(QStringLiteral("\\times")) ? QStringLiteral("(") + latexNumber(value) + u')'
                                                                      : size;
}

// A row divided by a number: "\tfrac{1}{4} R_1" for a whole divisor,
// "R_1 / 0.5" otherwise. A negative whole divisor puts the sign in front;
// a divisor of 1 or -1 leaves the row alone or negates it.
QString dividedRow(int row, double divisor)
{
    const QString text = numberText(divisor);
    const bool negative = text.startsWith(u'-');
    const QString digits = negative ? text.mid(1) : text;
    if (std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return (negative ? QStringLiteral("-") : QString())
               + (digits == u'1' ? QString() : QStringLiteral("\\tfrac{1}{") + digits + QStringLiteral("} "))
               + latexRow(row);
    return latexRow(row) + QStringLiteral(" / ") + latexFactor(divisor);
}

// Exactly, a row divided by p/q is q/p times the row: "-\tfrac{4}{7} R_2".
QString dividedRow(int row, const mpq_class& divisor)
{
    const mpq_class reciprocal = 1 / abs(divisor);
    return (sgn(divisor) < 0 ? QStringLiteral("-") : QString())
           + (reciprocal == 1 ? QString() : latexCoefficient(reciprocal) + u' ') + latexRow(row);
}

// "R_2 - 4 R_1", "R_2 + 4 R_1", "R_2 - R_1".
template<class Number>
QString rowMinusMultiple(int target, int source, const Number& factor)
{
    const bool add = isNegative(factor);
    const Number size = add ? Number(-factor) : factor;
    const QString multiple = size == 1 ? latexRow(source) : latexFactor(size) + u' ' + latexRow(source);
    return latexRow(target) + (add ? QStringLiteral(" + ") : QStringLiteral(" - ")) + multiple;
}

template<class Number>
QString latexOperation(const BasicRowOperation<Number>& op)
{
    QString text;
    switch (op.kind) {
    case RowOperationKind::Exchange:
        return latexRow(op.target) + QStringLiteral(" \\leftrightarrow ") + latexRow(op.source);
    case RowOperationKind::Divide:
        text = dividedRow(op.target, op.factor);
        break;
    case RowOperationKind::SubtractMultiple:
        text = rowMinusMultiple(op.target, op.source, op.factor);
        break;
    case RowOperationKind::AddQuotient: {
        const QString quotient = dividedRow(op.source, op.factor);
        text = latexRow(op.target) + (quotient.startsWith(u'-') ? QStringLiteral(" - ") + quotient.mid(1)
                                                                : QStringLiteral(" + ") + quotient);
        break;
    }
    }
    text = latexRow(op.target) + QStringLiteral(" \\to ") + text;
    if (op.firstColumn > 0)
        text += QStringLiteral("\\text{ from column %1 on}").arg(op.firstColumn + 1);
    return text;
}

template<class Number>
LatexMatrix latexMatrix(const BasicMatrix<Number>& matrix)
{
    LatexMatrix entries;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            entries[row][column] = latexNumber(matrix[row][column]);
    return entries;
}

template<class Number>
QStringList explainStageOf(const BasicSolve<Number>& solve, std::size_t stage)
{
    return explainStage(solve.reduction.stages[stage]);
}

// "1.5e-16" as LaTeX writes a power of ten; "1e-05" has its exponent
// padded and "1e+20" signed, and LaTeX shows neither.
QString latexDecimal(const QString& text)
{
    const qsizetype e = text.indexOf(u'e');
    if (e < 0)
        return text;
    const QString exponent = text.mid(e + 1);
    const bool negative = exponent.startsWith(u'-');
    QString digits = exponent.mid(1);
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    return text.left(e) + QStringLiteral(" \\times 10^{") + (negative ? QStringLiteral("-") : QString()) + digits + u'}';
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

}  // namespace

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
    QStringList lines = std::visit([stage](const auto& solve) { return explainStageOf(solve, stage); }, solution.solve);
    if (stage + 1 == kStageCount && solution.warningFromRounding)
        lines << misleadingWarningHint(solution);
    return lines;
}

QString solutionsDespiteWarning()
{
    return QStringLiteral("The system has solutions; see the line below the result.");
}

QString gridCopyText(const CellTexts& texts)
{
    QStringList lines;
    for (const auto& row : texts) {
        QStringList fields;
        // A tab or a line break inside a cell would split it into two
        // fields or rows of the copy.
        for (QString field : row)
            fields << field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString workedSolutionText(const WorkedSolution& solution)
{
    const WorkedOutline outline = workedOutline(solution);
    QStringList lines{outline.input.title};
    lines << alignedRows(outline.input.matrix) << outline.inputNotes;
    for (const WrittenStep& step : outline.steps)
        lines << QString() << step.title << step.operations << alignedRows(step.matrix);
    if (!outline.warning.isEmpty())
        lines << QString() << outline.warning;
    for (const WrittenStep& step : outline.continuation)
        lines << QString() << step.title << step.operations << alignedRows(step.matrix);
    lines << QString() << outline.solutionTitle << outline.verdict << outline.solution;
    return lines.join(u'\n') + u'\n';
}

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

QString latexNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("\\mathrm{NaN}");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-\\infty") : QStringLiteral("\\infty");
    return latexDecimal(numberText(value));
}

QString latexNumber(const mpq_class& value)
{
    const QString size = latexCoefficient(abs(value));
    const QString fraction = size.startsWith(QStringLiteral("\\tfrac")) ? QStringLiteral("\\frac") + size.mid(6) : size;
    return sgn(value) < 0 ? u'-' + fraction : fraction;
}

QString latexCoefficient(const mpq_class& value)
{
    const QString text = numberText(value);
    const qsizetype bar = text.indexOf(u'/');
    if (bar < 0)
        return latexDecimal(text);
    return QStringLiteral("\\tfrac{") + text.left(bar) + QStringLiteral("}{") + text.mid(bar + 1) + u'}';
}

}  // namespace rowsweep::steps
