#include "rowsweep/steps/latex_operation.h"

#include <QCoreApplication>

#include "rowsweep/engine/latex_number.h"

namespace rowsweep::steps {

namespace {

QString latexRow(int row)
{
    return QStringLiteral("R_%1").arg(row + 1);
}

// A row times a number: "R_1", "-R_1", "\tfrac{3}{2} R_1", "-4 R_1". A
// power of ten is parenthesised with its sign, "(-1 \times 10^{300}) R_1",
// so that it does not read as a power of the row.
QString scaledRow(int row, const WrittenNumber& factor, bool unit)
{
    if (hasPowerOfTen(factor))
        return latex(latexFactor(factor)) + u' ' + latexRow(row);
    const QString sign = factor.negative ? QStringLiteral("-") : QString();
    if (unit)
        return sign + latexRow(row);
    WrittenNumber size = factor;
    size.negative = false;
    return sign + latex(latexCoefficient(size)) + u' ' + latexRow(row);
}

// A row divided by a number, its sign apart where the operation can take it
// as an addition or subtraction.
struct Quotient {
    bool negative = false;
    QString size;
};

// "\tfrac{4}{7} R_2" where the reciprocal is written, "R_1 / 0.5"
// otherwise; the sign of a reciprocal goes apart, any other stays in its
// parentheses.
Quotient dividedRow(int row, const WrittenOperation& op)
{
    if (!op.reciprocal)
        return {false, latexRow(row) + QStringLiteral(" / ") + latex(latexFactor(op.factor))};
    WrittenNumber size = *op.reciprocal;
    size.negative = false;
    return {op.reciprocal->negative, scaledRow(row, size, isWrittenOne(size))};
}

QString dividedRowAlone(int row, const WrittenOperation& op)
{
    if (op.reciprocal)
        return scaledRow(row, *op.reciprocal, isWrittenOne(*op.reciprocal));
    return dividedRow(row, op).size;
}

// "R_2 - 4 R_1", "R_2 + 4 R_1", "R_2 - R_1".
QString rowMinusMultiple(const WrittenOperation& op)
{
    const bool add = op.factor.negative;
    WrittenNumber size = op.factor;
    size.negative = false;
    return latexRow(op.target) + (add ? QStringLiteral(" + ") : QStringLiteral(" - "))
           + scaledRow(op.source, size, op.unitFactor);
}

QString rowPlusQuotient(const WrittenOperation& op)
{
    const Quotient quotient = dividedRow(op.source, op);
    return latexRow(op.target) + (quotient.negative ? QStringLiteral(" - ") : QStringLiteral(" + ")) + quotient.size;
}

}  // namespace

QString latex(const std::string& number)
{
    return QString::fromStdString(number);
}

QString latexOperation(const WrittenOperation& op)
{
    QString text;
    switch (op.kind) {
    case RowOperationKind::Exchange:
        return latexRow(op.target) + QStringLiteral(" \\leftrightarrow ") + latexRow(op.source);
    case RowOperationKind::Divide:
        text = dividedRowAlone(op.target, op);
        break;
    case RowOperationKind::SubtractMultiple:
        text = rowMinusMultiple(op);
        break;
    case RowOperationKind::AddQuotient:
        text = rowPlusQuotient(op);
        break;
    }
    text = latexRow(op.target) + QStringLiteral(" \\to ") + text;
    if (op.firstColumn > 0)
        text += QStringLiteral("\\text{%1}").arg(
            //: LaTeX words after a row operation that leaves the columns before %1 alone; keep the leading blank.
            QCoreApplication::translate("Latex", " from column %1 on").arg(op.firstColumn + 1));
    return text;
}

}  // namespace rowsweep::steps
