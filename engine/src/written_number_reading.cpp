#include "rowsweep/engine/written_number.h"

#include <algorithm>

#include "decimal_text.h"

namespace rowsweep {

namespace {

std::string withoutLeadingZeros(std::string digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : digits.substr(first);
}

std::optional<WrittenNumber> readLiteral(std::string_view text)
{
    const std::optional<detail::DecimalLiteral> literal = detail::scanDecimalLiteral(text);
    // An exponent beyond the clamp has no power that writes it as typed.
    if (!literal || literal->exponentClamped)
        return std::nullopt;
    WrittenNumber number;
    number.negative = literal->negative && !literal->allZero;
    std::string digits(literal->integerDigits);
    if (literal->unsignedPart.find_first_of(".eE") == std::string_view::npos) {
        number.digits = withoutLeadingZeros(std::move(digits));
        return number;
    }
    number.kind = WrittenNumber::Kind::Decimal;
    digits += literal->fractionDigits;
    digits = withoutLeadingZeros(std::move(digits));
    digits.erase(std::min(digits.find_last_not_of('0') + 1, digits.size()));
    number.digits = digits.empty() ? std::string("0") : digits;
    number.power = literal->allZero ? 0 : literal->leadingDigitPower;
    return number;
}

}  // namespace

std::optional<WrittenNumber> readWrittenNumber(std::string_view text)
{
    text = detail::trimBlanks(text);
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return readLiteral(text);
    const std::optional<WrittenNumber> numerator = readLiteral(detail::trimBlanks(text.substr(0, slash)));
    const std::optional<WrittenNumber> denominator = readLiteral(detail::trimBlanks(text.substr(slash + 1)));
    if (!numerator || !denominator || numerator->kind != WrittenNumber::Kind::Integer
        || denominator->kind != WrittenNumber::Kind::Integer || denominator->digits == "0")
        return std::nullopt;
    WrittenNumber fraction = *numerator;
    fraction.negative = numerator->negative != denominator->negative && numerator->digits != "0";
    if (denominator->digits != "1") {
        fraction.kind = WrittenNumber::Kind::Fraction;
        fraction.denominator = denominator->digits;
    }
    return fraction;
}

}  // namespace rowsweep
