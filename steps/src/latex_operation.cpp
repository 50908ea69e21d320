#include "rowsweep/steps/latex_operation.h"

#include <QCoreApplication>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/latex_number.h"
#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

namespace {

QString latexRow(int row)
{
    return QStringLiteral("R_%1").arg(row + 1);
}

// A row times a number: "R_1", "-R_1", "\tfrac{3}{2} R_1", "-4 R_1". A
// power of ten is parenthesised with its sign, "(-1 \times 10^{300}) R_1",
// so that it does not read as a power of the row.
template<class Number>
QString scaledRow(int row, const Number& factor)
{
    const WrittenNumber written = writtenNumber(factor);
    if (hasPowerOfTen(written))
        return latexFactor(written) + u' ' + latexRow(row);
    const QString sign = written.negative ? QStringLiteral("-") : QString();
    if (factor == 1 || factor == -1)
        return sign + latexRow(row);
    WrittenNumber size = written;
    size.negative = false;
    return sign + latexCoefficient(size) + u' ' + latexRow(row);
}

// A row divided by a number, its sign apart where the operation can take it
// as an addition or subtraction.
struct Quotient {
    bool negative = false;
    QString size;
};

// "\tfrac{1}{4} R_1" for a whole divisor, "R_1 / 0.5" otherwise; the sign
// of a whole divisor goes apart, any other stays in its parentheses.
Quotient dividedRow(int row, double divisor)
{
    const WrittenNumber written = writtenNumber(divisor);
    const DecimalLayout layout = written.kind == WrittenNumber::Kind::Decimal ? layOutDecimal(written) : DecimalLayout{};
    if (written.kind != WrittenNumber::Kind::Decimal || layout.exponent || !layout.fractionPart.empty())
        return {false, latexRow(row) + QStringLiteral(" / ") + latexFactor(written)};
    const QString whole = QString::fromLatin1(layout.integerPart.data(), static_cast<qsizetype>(layout.integerPart.size()));
    return {written.negative,
            (whole == u'1' ? QString() : QStringLiteral("\\tfrac{1}{") + whole + QStringLiteral("} ")) + latexRow(row)};
}

// Exactly, a row divided by p/q is q/p times the row: "\tfrac{4}{7} R_2".
Quotient dividedRow(int row, const Rational& divisor)
{
    return {divisor.sign() < 0, scaledRow(row, abs(divisor).reciprocal())};
}

QString dividedRowAlone(int row, double divisor)
{
    const Quotient quotient = dividedRow(row, divisor);
    return quotient.negative ? u'-' + quotient.size : quotient.size;
}

QString dividedRowAlone(int row, const Rational& divisor)
{
    return scaledRow(row, divisor.reciprocal());
}

// "R_2 - 4 R_1", "R_2 + 4 R_1", "R_2 - R_1".
template<class Number>
QString rowMinusMultiple(int target, int source, const Number& factor)
{
    const bool add = isNegative(factor);
    return latexRow(target) + (add ? QStringLiteral(" + ") : QStringLiteral(" - "))
           + scaledRow(source, add ? Number(-factor) : factor);
}

template<class Number>
QString rowPlusQuotient(int target, int source, const Number& divisor)
{
    const Quotient quotient = dividedRow(source, divisor);
    return latexRow(target) + (quotient.negative ? QStringLiteral(" - ") : QStringLiteral(" + ")) + quotient.size;
}

}  // namespace

template<class Number>
QString latexOperation(const BasicRowOperation<Number>& op)
{
    QString text;
    switch (op.kind) {
    case RowOperationKind::Exchange:
        return latexRow(op.target) + QStringLiteral(" \\leftrightarrow ") + latexRow(op.source);
    case RowOperationKind::Divide:
        text = dividedRowAlone(op.target, op.factor);
        break;
    case RowOperationKind::SubtractMultiple:
        text = rowMinusMultiple(op.target, op.source, op.factor);
        break;
    case RowOperationKind::AddQuotient:
        text = rowPlusQuotient(op.target, op.source, op.factor);
        break;
    }
    text = latexRow(op.target) + QStringLiteral(" \\to ") + text;
    if (op.firstColumn > 0)
        text += QStringLiteral("\\text{%1}").arg(
            //: LaTeX words after a row operation that leaves the columns before %1 alone; keep the leading blank.
            QCoreApplication::translate("Latex", " from column %1 on").arg(op.firstColumn + 1));
    return text;
}

template QString latexOperation(const BasicRowOperation<double>&);
template QString latexOperation(const BasicRowOperation<Rational>&);

}  // namespace rowsweep::steps
