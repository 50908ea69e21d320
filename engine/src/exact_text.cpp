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

// The exact value of a literal whose double is finite and not zero, so
// that its power of ten is within a few hundred of its digit count.
void setToExactValue(mpq_class& value, const detail::DecimalLiteral& literal)
{
    const Significand s = significandOf(literal);
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

// Every double from 1e-307 to below 1e308 is normal and finite.
constexpr long long kWellInRange = 307;

// One number of the cell grammar, with the double's verdict on range.
std::optional<Rational> readExactNumber(std::string_view text)
{
    const std::string_view trimmed = detail::trimBlanks(text);
    // Most cells hold a plain integer that fits a machine word; reading it
    // directly spares taking it apart as a decimal, the larger part of
    // reading a cell. The decimal reading gives the same value.
    long long whole = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), whole);
    if (error == std::errc() && end == trimmed.data() + trimmed.size())
        return Rational(whole);
    const auto literal = detail::scanDecimalLiteral(trimmed);
    if (!literal)
        return std::nullopt;
    // Only a literal near the ends of the double range needs the double
    // itself to tell whether it is in range or too small.
    const bool wellInRange = !literal->allZero && literal->leadingDigitPower >= -kWellInRange
                             && literal->leadingDigitPower <= kWellInRange;
    if (!wellInRange) {
        const auto nearest = detail::nearestDouble(*literal);
        if (!nearest)
            return std::nullopt;  // beyond the double range
        if (*nearest == 0.0)  // zero, or too small for a double
            return Rational();
    }
    mpq_class value;
    setToExactValue(value, *literal);
    return detail::RationalGmp::fromGmp(std::move(value));
}

}  // namespace

std::optional<Rational> parseExactCellText(std::string_view text, bool fractions)
{
    const auto slash = text.find('/');
    if (!fractions || slash == std::string_view::npos)
        return readExactNumber(text);
    // A second slash is not part of the denominator's grammar.
    const std::optional<Rational> numerator = readExactNumber(text.substr(0, slash));
    const std::optional<Rational> denominator = readExactNumber(text.substr(slash + 1));
    if (!numerator || !denominator || denominator->isZero())
        return std::nullopt;
    return *numerator / *denominator;
}

}  // namespace rowsweep
