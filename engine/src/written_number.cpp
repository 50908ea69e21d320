#include "rowsweep/engine/written_number.h"

#include <algorithm>

#include <gmpxx.h>

#include "decimal_text.h"

namespace rowsweep {

namespace {

using Kind = WrittenNumber::Kind;

// Significant digits worked out for a fraction: more than a cell shows.
constexpr long long kQuotientDigits = 20;

mpz_class powerOfTen(long long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

void dropTrailingZeros(std::string& digits)
{
    digits.erase(std::max<std::size_t>(digits.find_last_not_of('0') + 1, 1));
}

// The leading digits of numerator / denominator, cut (not rounded).
SignificantDigits quotient(const WrittenNumber& fraction)
{
    const mpz_class numerator(fraction.digits);
    const mpz_class denominator(fraction.denominator);
    long long power = static_cast<long long>(fraction.digits.size()) - static_cast<long long>(fraction.denominator.size());
    if (numerator * powerOfTen(std::max(0LL, -power)) < denominator * powerOfTen(std::max(0LL, power)))
        --power;
    const long long shift = kQuotientDigits - 1 - power;
    const mpz_class digits = shift >= 0 ? mpz_class(numerator * powerOfTen(shift) / denominator)
                                        : mpz_class(numerator / (denominator * powerOfTen(-shift)));
    SignificantDigits value{fraction.negative, digits.get_str(), power, false};
    dropTrailingZeros(value.digits);
    return value;
}

// Written without a point or a power of ten.
bool writtenWhole(const WrittenNumber& number)
{
    return number.kind == Kind::Integer
           || (number.kind == Kind::Decimal && !detail::takesAnExponent(number.power)
               && static_cast<long long>(number.digits.size()) <= number.power + 1);
}

}  // namespace

std::string writtenText(const WrittenNumber& number)
{
    const std::string_view sign = number.negative ? "-" : "";
    switch (number.kind) {
    case Kind::NotANumber:
        return "NaN";
    case Kind::Infinity:
        return std::string(sign).append("Infinity");
    case Kind::Integer:
    case Kind::Fraction: {
        // Sized once: a Solve writes 126 of these.
        std::string text;
        text.reserve(sign.size() + number.digits.size() + 1 + number.denominator.size());
        text.append(sign).append(number.digits);
        if (number.kind == Kind::Fraction)
            text.append(1, '/').append(number.denominator);
        return text;
    }
    case Kind::Decimal:
        break;
    }
    // Room for the digits, "0.0000" before them or zeros after them up to
    // the point, and "e-" with an exponent of up to 19 digits: on the stack
    // for every number a cell writes, on the heap for a long typed one.
    char room[detail::kGeneralLayoutRoom];
    std::string longRoom;
    char* start = room;
    if (number.digits.size() > detail::kMostWrittenDigits) {
        longRoom.resize(number.digits.size() + detail::kGeneralLayoutRoom);
        start = longRoom.data();
    }
    char* out = start;
    if (number.negative)
        *out++ = '-';
    return {start, detail::layOutGeneral(out, number.digits, number.power)};
}

DecimalLayout layOutDecimal(const WrittenNumber& decimal)
{
    DecimalLayout layout;
    const std::string& digits = decimal.digits;
    const long long power = decimal.power;
    const auto count = static_cast<long long>(digits.size());
    if (detail::takesAnExponent(power)) {
        layout.integerPart = digits.substr(0, 1);
        layout.fractionPart = digits.substr(1);
        layout.exponent = power;
    } else if (power < 0) {
        layout.integerPart.push_back('0');
        layout.fractionPart.append(static_cast<std::size_t>(-power - 1), '0').append(digits);
    } else if (count <= power + 1) {
        layout.integerPart.append(digits).append(static_cast<std::size_t>(power + 1 - count), '0');
    } else {
        layout.integerPart = digits.substr(0, static_cast<std::size_t>(power + 1));
        layout.fractionPart = digits.substr(static_cast<std::size_t>(power + 1));
    }
    return layout;
}

std::optional<SignificantDigits> significantDigits(const WrittenNumber& number)
{
    if (number.digits == "0")
        return std::nullopt;
    switch (number.kind) {
    case Kind::Decimal:
        return SignificantDigits{number.negative, number.digits, number.power, true};
    case Kind::Integer: {
        SignificantDigits value{number.negative, number.digits, static_cast<long long>(number.digits.size()) - 1, true};
        dropTrailingZeros(value.digits);
        return value;
    }
    case Kind::Fraction:
        return quotient(number);
    case Kind::Infinity:
    case Kind::NotANumber:
        break;
    }
    return std::nullopt;
}

std::optional<WrittenNumber> oneOver(const WrittenNumber& whole)
{
    if (!writtenWhole(whole) || whole.digits == "0")
        return std::nullopt;
    const std::string digits = whole.kind == Kind::Integer ? whole.digits : layOutDecimal(whole).integerPart;
    if (digits == "1")
        return WrittenNumber{Kind::Integer, whole.negative, "1", {}, 0};
    return WrittenNumber{Kind::Fraction, whole.negative, "1", digits, 0};
}

bool isWrittenOne(const WrittenNumber& number) noexcept
{
    return (number.kind == Kind::Integer || number.kind == Kind::Decimal) && number.digits == "1" && number.power == 0;
}

bool isWrittenZero(const WrittenNumber& number) noexcept
{
    return (number.kind == Kind::Integer || number.kind == Kind::Decimal) && number.digits == "0";
}

bool isWrittenWhole(const WrittenNumber& number) noexcept
{
    return number.kind == Kind::Integer;
}

bool isWrittenInDigits(const WrittenNumber& number)
{
    return number.kind == Kind::Integer || (number.kind == Kind::Decimal && !layOutDecimal(number).exponent);
}

}  // namespace rowsweep
