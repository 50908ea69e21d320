#include "rowsweep/steps/worked_solution.h"

#include <algorithm>
#include <cmath>

#include <QStringList>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/steps/warning.h"
#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/stage_explanation.h"

namespace rowsweep::steps {

namespace {

// The matrix as lines of right-aligned columns, with a bar before the
// augmented column.
QStringList alignedRows(const Matrix& matrix)
{
    std::array<std::array<QString, kColumns>, kRows> texts;
    std::array<qsizetype, kColumns> widths{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            texts[row][column] = numberText(matrix[row][column]);
            widths[column] = std::max(widths[column], texts[row][column].size());
        }
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

// "R_2 - 4 R_1", "R_2 + 4 R_1", "R_2 - R_1".
QString rowMinusMultiple(int target, int source, double factor)
{
    const bool add = factor < 0;
    const double size = add ? -factor : factor;
    const QString multiple = size == 1.0 ? latexRow(source) : latexFactor(size) + u' ' + latexRow(source);
    return latexRow(target) + (add ? QStringLiteral(" + ") : QStringLiteral(" - ")) + multiple;
}

QString latexOperation(const RowOperation& op)
{
    QString text;
    switch (op.kind) {
    case RowOperation::Kind::Exchange:
        return latexRow(op.target) + QStringLiteral(" \\leftrightarrow ") + latexRow(op.source);
    case RowOperation::Kind::Divide:
        text = dividedRow(op.target, op.factor);
        break;
    case RowOperation::Kind::SubtractMultiple:
        text = rowMinusMultiple(op.target, op.source, op.factor);
        break;
    case RowOperation::Kind::AddQuotient: {
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

QString latexMatrix(const Matrix& matrix)
{
    QStringList rows;
    for (const auto& row : matrix) {
        QStringList entries;
        for (double value : row)
            entries << latexNumber(value);
        rows << entries.join(QStringLiteral(" & "));
    }
    return QStringLiteral("\\left[\\begin{array}{ccccc|c}\n") + rows.join(QStringLiteral(" \\\\\n"))
           + QStringLiteral("\n\\end{array}\\right]");
}

}  // namespace

QString gridCopyText(const std::array<std::array<QString, kColumns>, kRows>& texts)
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
    QStringList lines{QStringLiteral("Matrix")};
    lines << alignedRows(solution.input);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (solution.unreadable[row][column])
                lines << QStringLiteral("Row %1, column %2: (not a number, counted as 0)").arg(row + 1).arg(column + 1);

    const Matrix* before = &solution.input;
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        const Stage& current = solution.reduction.stages[stage];
        lines << QString() << stageName(stage);
        lines << explainStage(stage, *before, current.operations);
        lines << alignedRows(current.matrix);
        before = &current.matrix;
    }
    if (solution.warned)
        lines << QString() << QString::fromUtf8(kMathErrorTitle) + QStringLiteral(": ") + QString::fromUtf8(kMathErrorText);
    return lines.join(u'\n') + u'\n';
}

QString workedSolutionLatex(const WorkedSolution& solution)
{
    // The first line holds the input and the first step; every later step
    // starts a line of its own, its arrow under the first one, so that a
    // page holds the chain.
    QString latex = QStringLiteral("\\begin{align*}\n") + latexMatrix(solution.input);
    bool first = true;
    for (const Stage& stage : solution.reduction.stages) {
        QStringList operations;
        for (const RowOperation& operation : stage.operations)
            if (!changesNothing(operation))
                operations << latexOperation(operation);
        if (operations.isEmpty())
            continue;
        const QString label = operations.size() == 1
                                  ? operations.front()
                                  : QStringLiteral("\\substack{") + operations.join(QStringLiteral(" \\\\ ")) + u'}';
        latex += (first ? QStringLiteral("\n") : QStringLiteral(" \\\\\n")) + QStringLiteral("&\\xrightarrow{") + label
                 + QStringLiteral("}\n") + latexMatrix(stage.matrix);
        first = false;
    }
    return latex + QStringLiteral("\n\\end{align*}\n");
}

QString latexNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("\\mathrm{NaN}");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-\\infty") : QStringLiteral("\\infty");
    const QString text = numberText(value);
    const qsizetype e = text.indexOf(u'e');
    if (e < 0)
        return text;
    // "1e-05" has its exponent padded and "1e+20" signed; LaTeX shows neither.
    return text.left(e) + QStringLiteral(" \\times 10^{") + QString::number(text.mid(e + 1).toInt()) + u'}';
}

}  // namespace rowsweep::steps
