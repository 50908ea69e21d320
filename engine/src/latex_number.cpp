#include "rowsweep/engine/latex_number.h"

namespace rowsweep {

namespace {

// A fraction in a matrix is set as \frac, one that multiplies something
// small enough to sit in a line of operations, as \tfrac.
std::string written(const WrittenNumber& number, const char* fraction)
{
    using Kind = WrittenNumber::Kind;
    const std::string sign = number.negative ? "-" : "";
    switch (number.kind) {
    case Kind::NotANumber:
        return "\\mathrm{NaN}";
    case Kind::Infinity:
        return sign + "\\infty";
    case Kind::Integer:
        return sign + number.digits;
    case Kind::Fraction:
        return sign + fraction + '{' + number.digits + "}{" + number.denominator + '}';
    case Kind::Decimal:
        break;
    }
    const DecimalLayout layout = layOutDecimal(number);
    std::string text = sign + layout.integerPart;
    if (!layout.fractionPart.empty())
        text += '.' + layout.fractionPart;
    if (layout.exponent)
        text += " \\times 10^{" + std::to_string(*layout.exponent) + '}';
    return text;
}

}  // namespace

std::string latexNumber(const WrittenNumber& number)
{
    return written(number, "\\frac");
}

std::string latexCoefficient(const WrittenNumber& number)
{
    return written(number, "\\tfrac");
}

bool hasPowerOfTen(const WrittenNumber& number)
{
    return number.kind == WrittenNumber::Kind::Decimal && layOutDecimal(number).exponent.has_value();
}

std::string latexFactor(const WrittenNumber& number)
{
    return number.negative || hasPowerOfTen(number) ? '(' + latexNumber(number) + ')' : latexCoefficient(number);
}

}  // namespace rowsweep
