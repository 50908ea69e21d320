#pragma once

// A fraction whose numerator and denominator fit a machine word, for the
// exact reduction of everyday matrices and for handing its stages on:
// GMP's fractions allocate for every number and call a gcd through several
// layers, which costs more than the arithmetic itself when the numbers are
// small. Every result is in lowest terms with a positive denominator,
// exactly as GMP keeps it; a result that would not fit throws Overflow,
// and the caller starts again in GMP.

#include <climits>
#include <numeric>

namespace rowsweep {

class SmallFraction {
public:
    struct Overflow {};

    // Implicit, as the reduction writes N(0) and N(1) for any arithmetic.
    constexpr SmallFraction(long long whole = 0) noexcept
        : numerator_(whole)
    {
    }

    // A fraction known to be in lowest terms with a positive denominator,
    // neither part LLONG_MIN.
    [[nodiscard]] static constexpr SmallFraction inLowestTerms(long long numerator, long long denominator) noexcept
    {
        return {numerator, denominator};
    }

    [[nodiscard]] long long numerator() const noexcept { return numerator_; }
    [[nodiscard]] long long denominator() const noexcept { return denominator_; }

    friend bool operator==(const SmallFraction&, const SmallFraction&) = default;

    friend SmallFraction operator*(const SmallFraction& a, const SmallFraction& b)
    {
        if (a.numerator_ == 0 || b.numerator_ == 0)
            return {};
        const long long g1 = std::gcd(a.numerator_, b.denominator_);
        const long long g2 = std::gcd(b.numerator_, a.denominator_);
        return {times(a.numerator_ / g1, b.numerator_ / g2), times(a.denominator_ / g2, b.denominator_ / g1)};
    }

    // The divisor is never zero: every division of the reduction tests it.
    friend SmallFraction operator/(const SmallFraction& a, const SmallFraction& b)
    {
        const bool negative = b.numerator_ < 0;
        return a * SmallFraction(negative ? -b.denominator_ : b.denominator_,
                                 negative ? -b.numerator_ : b.numerator_);
    }

    // Knuth's sum: with g = gcd(b, d), a/b + c/d = t / (b/g * d/g') where
    // t = a d/g + c b/g and g' = gcd(t, g), already in lowest terms.
    friend SmallFraction operator+(const SmallFraction& a, const SmallFraction& b)
    {
        if (a.numerator_ == 0)
            return b;
        if (b.numerator_ == 0)
            return a;
        const long long g = std::gcd(a.denominator_, b.denominator_);
        const long long t =
            plus(times(a.numerator_, b.denominator_ / g), times(b.numerator_, a.denominator_ / g));
        if (t == 0)
            return {};
        const long long g2 = std::gcd(t, g);
        return {t / g2, times(a.denominator_ / g, b.denominator_ / g2)};
    }

    friend SmallFraction operator-(const SmallFraction& a, const SmallFraction& b)
    {
        return a + -b;
    }

    // Never overflows: no numerator is LLONG_MIN.
    friend constexpr SmallFraction operator-(const SmallFraction& a) noexcept
    {
        return {-a.numerator_, a.denominator_};
    }

private:
    // Already in lowest terms, the denominator positive.
    constexpr SmallFraction(long long numerator, long long denominator) noexcept
        : numerator_(numerator)
        , denominator_(denominator)
    {
    }

    // LLONG_MIN is kept out too, so that every value can change its sign.
    static long long times(long long a, long long b)
    {
        long long product = 0;
        if (__builtin_mul_overflow(a, b, &product) || product == LLONG_MIN)
            throw Overflow{};
        return product;
    }
    static long long plus(long long a, long long b)
    {
        long long sum = 0;
        if (__builtin_add_overflow(a, b, &sum) || sum == LLONG_MIN)
            throw Overflow{};
        return sum;
    }

    long long numerator_;
    long long denominator_ = 1;
};

[[nodiscard]] inline bool isZero(const SmallFraction& value) noexcept
{
    return value.numerator() == 0;
}

}  // namespace rowsweep
