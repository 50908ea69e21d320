#include "rowsweep/engine/rational.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "rational_gmp.h"

namespace rowsweep {

using detail::RationalGmp;

namespace {

template<class Operation>
Rational inGmp(const Rational& a, const Rational& b, Operation operation)
{
    const RationalGmp::View left(a);
    const RationalGmp::View right(b);
    mpq_class result;
    operation(result.get_mpq_t(), left.get(), right.get());
    return RationalGmp::fromGmp(std::move(result));
}

// Every integer up to 2^53 is a double, and one division of two of them
// rounds once, to the nearest.
constexpr long long kExactInDouble = 1LL << std::numeric_limits<double>::digits;

// The nearest double to a GMP fraction, ties to even, denormals rounded at
// their own last place.
double nearestDouble(mpq_srcptr value)
{
    const int sign = mpq_sgn(value);
    if (sign == 0)
        return 0.0;
    mpz_class numerator(mpq_numref(value));
    mpz_class denominator(mpq_denref(value));
    numerator = abs(numerator);
    // The power of two with 2^power <= |value| < 2^(power + 1).
    long power = static_cast<long>(mpz_sizeinbase(numerator.get_mpz_t(), 2))
                 - static_cast<long>(mpz_sizeinbase(denominator.get_mpz_t(), 2));
    if (power >= 0 ? numerator < (denominator << static_cast<mp_bitcnt_t>(power))
                   : (numerator << static_cast<mp_bitcnt_t>(-power)) < denominator)
        --power;
    constexpr long kLargestPower = std::numeric_limits<double>::max_exponent - 1;
    constexpr long kSmallestNormalPower = std::numeric_limits<double>::min_exponent - 1;
    if (power > kLargestPower)
        return sign * std::numeric_limits<double>::infinity();
    // Below the normal range a double holds fewer significant bits.
    const long bits = std::numeric_limits<double>::digits - std::max(0L, kSmallestNormalPower - power);
    if (bits < 0)
        return sign * 0.0;
    const long shift = bits - 1 - power;
    if (shift >= 0)
        numerator <<= static_cast<mp_bitcnt_t>(shift);
    else
        denominator <<= static_cast<mp_bitcnt_t>(-shift);
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
    const int side = cmp(remainder * 2, denominator);
    if (side > 0 || (side == 0 && mpz_odd_p(quotient.get_mpz_t())))
        ++quotient;
    const double magnitude = std::ldexp(quotient.get_d(), static_cast<int>(-shift));
    return sign < 0 ? -magnitude : magnitude;
}

}  // namespace

Rational::Rational(long long numerator, long long denominator)
{
    if (denominator == 0)
        refuseZeroDivisor();
    if (numerator == LLONG_MIN || denominator == LLONG_MIN) {
        *this = outOfWords(numerator, denominator);
        return;
    }
    const long long common = std::gcd(numerator, denominator);
    const long long sign = denominator < 0 ? -1 : 1;
    value_.numerator = sign * (numerator / common);
    denominator_ = sign * (denominator / common);
}

double Rational::toDouble() const noexcept
{
    if (!isBig() && value_.numerator <= kExactInDouble && value_.numerator >= -kExactInDouble
        && denominator_ <= kExactInDouble)
        return static_cast<double>(value_.numerator) / static_cast<double>(denominator_);
    return nearestDouble(RationalGmp::View(*this).get());
}

Rational Rational::reciprocal() const
{
    if (isZero())
        refuseZeroDivisor();
    if (isBig()) {
        mpq_class inverse;
        mpq_inv(inverse.get_mpq_t(), value_.big->value.get_mpq_t());
        return RationalGmp::fromGmp(std::move(inverse));
    }
    const long long sign = value_.numerator < 0 ? -1 : 1;
    return Rational(Canonical{}, sign * denominator_, sign * value_.numerator);
}

Rational Rational::outOfWords(long long numerator, long long denominator)
{
    mpq_class value;
    mpz_set_si(value.get_num_mpz_t(), numerator);
    mpz_set_si(value.get_den_mpz_t(), denominator);
    value.canonicalize();
    return RationalGmp::fromGmp(std::move(value));
}

Rational Rational::bigSum(const Rational& a, const Rational& b)
{
    return inGmp(a, b, mpq_add);
}

Rational Rational::bigDifference(const Rational& a, const Rational& b)
{
    return inGmp(a, b, mpq_sub);
}

Rational Rational::bigProduct(const Rational& a, const Rational& b)
{
    return inGmp(a, b, mpq_mul);
}

Rational Rational::bigQuotient(const Rational& a, const Rational& b)
{
    return inGmp(a, b, mpq_div);
}

bool Rational::bigEqual(const Rational& a, const Rational& b) noexcept
{
    return a.value_.big == b.value_.big || mpq_equal(a.value_.big->value.get_mpq_t(), b.value_.big->value.get_mpq_t());
}

std::strong_ordering Rational::bigCompare(const Rational& a, const Rational& b) noexcept
{
    return mpq_cmp(RationalGmp::View(a).get(), RationalGmp::View(b).get()) <=> 0;
}

void Rational::refuseZeroDivisor()
{
    throw std::domain_error("Rational: division by zero");
}

Rational Rational::bigNegation() const
{
    return RationalGmp::fromGmp(-value_.big->value);
}

int Rational::bigSign() const noexcept
{
    return mpq_sgn(value_.big->value.get_mpq_t());
}

bool Rational::bigIsInteger() const noexcept
{
    return mpz_cmp_ui(value_.big->value.get_den_mpz_t(), 1) == 0;
}

void Rational::share() const noexcept
{
    RationalGmp::share(value_.big);
}

void Rational::release() noexcept
{
    RationalGmp::release(value_.big);
}

}  // namespace rowsweep
