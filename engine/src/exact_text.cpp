#include "rowsweep/engine/exact_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

#include <gmpxx.h>

#include "decimal_text.h"
#include "rational_gmp.h"

namespace rowsweep {

namespace {

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// The significant digits of a literal's mantissa, without the point and
// without leading or trailing zeros, and the power of ten of the last one.
struct Significand {
    std::string digits;
    long long lastDigitPower = 0;
};

Significand significandOf(const detail::DecimalLiteral& literal)
{
    Significand s;
    s.digits.reserve(literal.integerDigits.size() + literal.fractionDigits.size());
    s.digits.append(literal.integerDigits).append(literal.fractionDigits);
    s.digits.erase(0, s.digits.find_first_not_of('0'));
    const std::size_t kept = s.digits.find_last_not_of('0') + 1;
    s.lastDigitPower = literal.exponent - static_cast<long long>(literal.fractionDigits.size())
                       + static_cast<long long>(s.digits.size() - kept);
    s.digits.resize(kept);
    return s;
}

void setToDigits(mpz_class& integer, const std::string& digits)
{
    if (digits.size() <= static_cast<std::size_t>(std::numeric_limits<unsigned long>::digits10)) {
        unsigned long value = 0;
        for (const char digit : digits)
            value = value * 10 + static_cast<unsigned long>(digit - '0');
        integer = value;
    } else {
        mpz_set_str(integer.get_mpz_t(), digits.c_str(), 10);
    }
}

// The exact value of a literal that is not zero, from its significand,
// whose powers of ten are within the bound.
void setToExactValue(mpq_class& value, const detail::DecimalLiteral& literal, const Significand& s)
{
    mpz_class& numerator = value.get_num();
    setToDigits(numerator, s.digits);
    if (s.lastDigitPower > 0) {
        numerator *= powerOfTen(static_cast<unsigned long>(s.lastDigitPower));
    } else if (s.lastDigitPower < 0) {
        // The denominator is 2^k 5^k. With trailing zeros gone the
        // numerator has factors of 2 or of 5 but not both, as its last
        // digit tells; cancelling them directly spares a gcd of numbers as
        // long as the text.
        const auto k = static_cast<unsigned long>(-s.lastDigitPower);
        unsigned long twos = k;
        unsigned long fives = k;
        const char last = s.digits.back();
        if ((last - '0') % 2 == 0) {
            const unsigned long cancelled = std::min<unsigned long>(mpz_scan1(numerator.get_mpz_t(), 0), k);
            numerator >>= cancelled;
            twos -= cancelled;
        } else if (last == '5') {
            const unsigned long removed = mpz_remove(numerator.get_mpz_t(), numerator.get_mpz_t(), mpz_class(5).get_mpz_t());
            const unsigned long cancelled = std::min(removed, k);
            mpz_class surplus;
            mpz_ui_pow_ui(surplus.get_mpz_t(), 5, removed - cancelled);
            numerator *= surplus;
            fives -= cancelled;
        }
        mpz_class& denominator = value.get_den();
        mpz_ui_pow_ui(denominator.get_mpz_t(), 5, fives);
        denominator <<= twos;
    }
    if (literal.negative)
        mpz_neg(numerator.get_mpz_t(), numerator.get_mpz_t());
}

// Within the bound, the first significant digit stands at most
// kMostExactDigits - 1 places before the point and the last at most
// kMostExactDigits places after it.
bool withinTheBound(const detail::DecimalLiteral& literal, const Significand& s)
{
    return literal.leadingDigitPower < kMostExactDigits && s.lastDigitPower >= -kMostExactDigits;
}

// One number of the cell grammar.
ExactReading readExactNumber(std::string_view text)
{
    const std::string_view trimmed = detail::trimBlanks(text);
    // Most cells hold a plain integer that fits a machine word; reading it
    // directly spares taking it apart as a decimal, the larger part of
    // reading a cell. The decimal reading gives the same value.
    long long whole = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), whole);
    if (error == std::errc() && end == trimmed.data() + trimmed.size())
        return {Rational(whole)};
    const auto literal = detail::scanDecimalLiteral(trimmed);
    if (!literal)
        return {};
    if (literal->allZero)
        return {Rational()};
    const Significand s = significandOf(*literal);
    if (!withinTheBound(*literal, s))
        return {std::nullopt, true};
    mpq_class value;
    setToExactValue(value, *literal, s);
    return {detail::RationalGmp::fromGmp(std::move(value))};
}

}  // namespace

ExactReading readExactCellText(std::string_view text, bool fractions)
{
    const auto slash = text.find('/');
    if (!fractions || slash == std::string_view::npos)
        return readExactNumber(text);
    // A second slash is not part of the denominator's grammar.
    const ExactReading numerator = readExactNumber(text.substr(0, slash));
    const ExactReading denominator = readExactNumber(text.substr(slash + 1));
    const bool bothNumbers = (numerator.value || numerator.tooLong) && (denominator.value || denominator.tooLong);
    if (!bothNumbers)
        return {};
    if (numerator.tooLong || denominator.tooLong)
        return {std::nullopt, true};
    if (denominator.value->isZero())
        return {};
    return {*numerator.value / *denominator.value};
}

std::optional<Rational> parseExactCellText(std::string_view text, bool fractions)
{
    return readExactCellText(text, fractions).value;
}

}  // namespace rowsweep
