#include "rowsweep/engine/written_exact.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "decimal_text.h"
#include "rational_gmp.h"

namespace rowsweep {

namespace {

using detail::kSignificantDigits;

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// The 15 significant digits of a/b (both positive) rounded half to even,
// and the decimal power of the first.
struct RoundedDigits {
    char digits[kSignificantDigits];
    long long power = 0;
};

RoundedDigits roundToSignificantDigits(const mpz_class& a, const mpz_class& b)
{
    // The digit counts bound the power of a/b to estimate-2..estimate+1, so
    // scaling by 10^(16 - estimate) leaves a quotient of 15 to 18 digits.
    const long long estimate = static_cast<long long>(mpz_sizeinbase(a.get_mpz_t(), 10))
                               - static_cast<long long>(mpz_sizeinbase(b.get_mpz_t(), 10));
    const long long scale = kSignificantDigits + 1 - estimate;
    mpz_class dividend = a;
    mpz_class divisor = b;
    if (scale >= 0)
        dividend *= powerOfTen(static_cast<unsigned long>(scale));
    else
        divisor *= powerOfTen(static_cast<unsigned long>(-scale));
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());

    char all[kSignificantDigits + 4];
    mpz_get_str(all, 10, quotient.get_mpz_t());
    const auto extra = static_cast<unsigned long>(std::strlen(all) - kSignificantDigits);
    RoundedDigits rounded;
    std::copy_n(all, kSignificantDigits, rounded.digits);
    rounded.power = kSignificantDigits - 1 + static_cast<long long>(extra) - scale;

    // What is dropped, as a fraction of one unit in the 15th digit:
    // (dropped digits * divisor + remainder) / (10^extra * divisor).
    const mpz_class droppedDigits(extra == 0 ? "0" : all + kSignificantDigits, 10);
    const mpz_class twiceDropped = 2 * (droppedDigits * divisor + remainder);
    const mpz_class unit = powerOfTen(extra) * divisor;
    const int side = cmp(twiceDropped, unit);
    const bool lastIsOdd = (rounded.digits[kSignificantDigits - 1] - '0') % 2 == 1;
    if (side > 0 || (side == 0 && lastIsOdd)) {
        int last = kSignificantDigits - 1;
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

std::string digitsOf(long long value)
{
    char digits[20];
    return {digits, std::to_chars(digits, std::end(digits), value).ptr};
}

WrittenNumber writtenDecimal(const Rational& value)
{
    if (value.isZero())
        return {WrittenNumber::Kind::Decimal, false, "0", {}, 0};
    const detail::RationalGmp::View exact(value);
    const RoundedDigits rounded =
        roundToSignificantDigits(abs(mpz_class(mpq_numref(exact.get()))), mpz_class(mpq_denref(exact.get())));
    std::size_t count = kSignificantDigits;
    while (count > 1 && rounded.digits[count - 1] == '0')
        --count;
    return {WrittenNumber::Kind::Decimal, value.sign() < 0, std::string(rounded.digits, count), {}, rounded.power};
}

}  // namespace

WrittenNumber writtenNumber(const Rational& value)
{
    // Nearly every value of a Solve is in machine words and within the
    // bounds of a written integer or fraction.
    if (const std::optional<Rational::Words> words = value.inWords()) {
        const long long numerator = words->numerator;
        const long long size = numerator < 0 ? -numerator : numerator;
        if (size < kWrittenNumeratorBound && words->denominator <= kLargestWrittenDenominator) {
            if (words->denominator == 1)
                return {WrittenNumber::Kind::Integer, numerator < 0, digitsOf(size), {}, 0};
            return {WrittenNumber::Kind::Fraction, numerator < 0, digitsOf(size), digitsOf(words->denominator), 0};
        }
    }
    return writtenDecimal(value);
}

std::string exactDecimalText(const Rational& value)
{
    return writtenText(writtenDecimal(value));
}

}  // namespace rowsweep
