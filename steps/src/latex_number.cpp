#include "rowsweep/steps/latex_number.h"

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep::steps {

namespace {

QString latin(const std::string& digits)
{
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

// A fraction in a matrix is set as \frac, one that multiplies something
// small enough to sit in a line of operations, as \tfrac.
QString written(const WrittenNumber& number, const QString& fraction)
{
    using Kind = WrittenNumber::Kind;
    const QString sign = number.negative ? QStringLiteral("-") : QString();
    switch (number.kind) {
    case Kind::NotANumber:
        return QStringLiteral("\\mathrm{NaN}");
    case Kind::Infinity:
        return sign + QStringLiteral("\\infty");
    case Kind::Integer:
        return sign + latin(number.digits);
    case Kind::Fraction:
        return sign + fraction + u'{' + latin(number.digits) + QStringLiteral("}{") + latin(number.denominator) + u'}';
    case Kind::Decimal:
        break;
    }
    const DecimalLayout layout = layOutDecimal(number);
    QString text = sign + latin(layout.integerPart);
    if (!layout.fractionPart.empty())
        text += u'.' + latin(layout.fractionPart);
    if (layout.exponent)
        text += QStringLiteral(" \\times 10^{%1}").arg(*layout.exponent);
    return text;
}

}  // namespace

QString latexNumber(const WrittenNumber& number)
{
    return written(number, QStringLiteral("\\frac"));
}

QString latexNumber(double value)
{
    return latexNumber(writtenNumber(value));
}

QString latexNumber(const Rational& value)
{
    return latexNumber(writtenNumber(value));
}

QString latexCoefficient(const WrittenNumber& number)
{
    return written(number, QStringLiteral("\\tfrac"));
}

QString latexCoefficient(const Rational& value)
{
    return latexCoefficient(writtenNumber(value));
}

bool hasPowerOfTen(const WrittenNumber& number)
{
    return number.kind == WrittenNumber::Kind::Decimal && layOutDecimal(number).exponent.has_value();
}

QString latexFactor(const WrittenNumber& number)
{
    return number.negative || hasPowerOfTen(number) ? u'(' + latexNumber(number) + u')' : latexCoefficient(number);
}

}  // namespace rowsweep::steps
