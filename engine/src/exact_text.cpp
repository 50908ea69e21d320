#include "rowsweep/engine/exact_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include "decimal_text.h"
#include "rowsweep/engine/cell_text.h"

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

// One number of the cell grammar, with the double's verdict on range.
std::optional<mpq_class> readExactNumber(std::string_view text)
{
    // One result object, built in place and returned as it is: moving a
    // GMP fraction costs an allocation.
    std::optional<mpq_class> value;
    const auto literal = detail::scanDecimalLiteral(detail::trimBlanks(text));
    if (!literal)
        return value;
    const auto nearest = detail::nearestDouble(*literal);
    if (!nearest)
        return value;  // beyond the double range
    value.emplace();
    if (*nearest != 0.0)  // else zero, or too small for a double
        setToExactValue(*value, *literal);
    return value;
}

std::string integerText(const mpz_class& value)
{
    if (value.fits_slong_p()) {
        char text[std::numeric_limits<long>::digits10 + 3];
        const auto end = std::to_chars(text, text + sizeof text, value.get_si()).ptr;
        return {text, end};
    }
    std::string text(mpz_sizeinbase(value.get_mpz_t(), 10) + 2, '\0');
    mpz_get_str(text.data(), 10, value.get_mpz_t());
    text.resize(std::strlen(text.c_str()));
    return text;
}

// Whether an integer written as digits reads back: the reader turns away
// digits beyond the double range. Only integers of 1024 bits lie near that
// edge, and for them the reader itself decides.
bool readsBackAsNumber(const mpz_class& integer)
{
    const std::size_t bits = mpz_sizeinbase(integer.get_mpz_t(), 2);
    if (bits != 1024)
        return bits < 1024;
    return parseCellText(integerText(integer)).has_value();
}

// The 15 significant digits of a/b (both positive) rounded half to even,
// and the decimal power of the first.
struct RoundedDigits {
    char digits[detail::kSignificantDigits];
    long long power = 0;
};

RoundedDigits roundToSignificantDigits(const mpz_class& a, const mpz_class& b)
{
    // The digit counts bound the power of a/b to estimate-2..estimate+1, so
    // scaling by 10^(16 - estimate) leaves a quotient of 15 to 18 digits.
    const long long estimate = static_cast<long long>(mpz_sizeinbase(a.get_mpz_t(), 10))
                               - static_cast<long long>(mpz_sizeinbase(b.get_mpz_t(), 10));
    const long long scale = detail::kSignificantDigits + 1 - estimate;
    mpz_class dividend = a;
    mpz_class divisor = b;
    if (scale >= 0)
        dividend *= powerOfTen(static_cast<unsigned long>(scale));
    else
        divisor *= powerOfTen(static_cast<unsigned long>(-scale));
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());

    char all[detail::kSignificantDigits + 4];
    mpz_get_str(all, 10, quotient.get_mpz_t());
    const auto extra = static_cast<unsigned long>(std::strlen(all) - detail::kSignificantDigits);
    RoundedDigits rounded;
    std::copy_n(all, detail::kSignificantDigits, rounded.digits);
    rounded.power = detail::kSignificantDigits - 1 + static_cast<long long>(extra) - scale;

    // What is dropped, as a fraction of one unit in the 15th digit:
    // (dropped digits * divisor + remainder) / (10^extra * divisor).
    const mpz_class droppedDigits(extra == 0 ? "0" : all + detail::kSignificantDigits, 10);
    const mpz_class twiceDropped = 2 * (droppedDigits * divisor + remainder);
    const mpz_class unit = powerOfTen(extra) * divisor;
    const int side = cmp(twiceDropped, unit);
    const bool lastIsOdd = (rounded.digits[detail::kSignificantDigits - 1] - '0') % 2 == 1;
    if (side > 0 || (side == 0 && lastIsOdd)) {
        int last = detail::kSignificantDigits - 1;
        while (last >= 0 && rounded.digits[last] == '9')
            rounded.digits[last--] = '0';
        if (last < 0) {
            rounded.digits[0] = '1';
            ++rounded.power;
        } else {
            ++rounded.digits[last];
        }
    }
    return rounded;
}

}  // namespace

std::optional<mpq_class> parseExactCellText(std::string_view text, bool fractions)
{
    const auto slash = text.find('/');
    if (!fractions || slash == std::string_view::npos)
        return readExactNumber(text);
    // A second slash is not part of the denominator's grammar.
    std::optional<mpq_class> quotient = readExactNumber(text.substr(0, slash));
    const auto denominator = readExactNumber(text.substr(slash + 1));
    if (quotient && denominator && sgn(*denominator) != 0)
        *quotient /= *denominator;
    else
        quotient.reset();
    return quotient;
}

std::string formatExactCellText(const mpq_class& value)
{
    const mpz_class& numerator = value.get_num();
    const mpz_class& denominator = value.get_den();
    if (mpz_size(numerator.get_mpz_t()) <= 1 && mpz_size(denominator.get_mpz_t()) == 1
        && mpz_getlimbn(denominator.get_mpz_t(), 0) <= kLargestWrittenDenominator) {
        // The everyday case, one limb each, written without GMP's digits.
        char text[48];
        char* out = text;
        if (sgn(numerator) < 0)
            *out++ = '-';
        out = std::to_chars(out, text + sizeof text, mpz_getlimbn(numerator.get_mpz_t(), 0)).ptr;
        if (const mp_limb_t below = mpz_getlimbn(denominator.get_mpz_t(), 0); below != 1) {
            *out++ = '/';
            out = std::to_chars(out, text + sizeof text, below).ptr;
        }
        return {text, out};
    }
    if (cmp(denominator, kLargestWrittenDenominator) <= 0 && readsBackAsNumber(value.get_num())) {
        std::string text = integerText(value.get_num());
        if (denominator != 1)
            text.append(1, '/').append(integerText(denominator));
        return text;
    }
    return exactDecimalText(value);
}

std::string exactDecimalText(const mpq_class& value)
{
    if (sgn(value) == 0)
        return "0";
    const mpz_class magnitude = abs(value.get_num());
    const RoundedDigits rounded = roundToSignificantDigits(magnitude, value.get_den());
    std::size_t count = detail::kSignificantDigits;
    while (count > 1 && rounded.digits[count - 1] == '0')
        --count;

    char text[detail::kGeneralLayoutRoom];
    char* out = text;
    if (sgn(value) < 0)
        *out++ = '-';
    out = detail::layOutGeneral(out, {rounded.digits, count}, rounded.power);
    return {text, out};
}

}  // namespace rowsweep
