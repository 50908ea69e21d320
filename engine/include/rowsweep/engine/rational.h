#pragma once

// An exact rational number, the arithmetic of Exact Fractions and of the
// reduced form. Numerator and denominator stay in machine words while they
// fit, where the everyday arithmetic runs inline; a result that outgrows
// them moves to GMP by itself, and one that fits again moves back. Always
// in lowest terms with a positive denominator, so that equal values have
// equal parts.

#include <climits>
#include <compare>
#include <numeric>
#include <optional>
#include <utility>

namespace rowsweep {

namespace detail {
// GMP's fraction, shared by the copies of a value and never changed.
struct BigRational;
// Reaches a value's GMP side, for the engine's own reading and writing.
class RationalGmp;
}  // namespace detail

class Rational {
public:
    // Numerator and denominator as machine words.
    struct Words {
        long long numerator;
        long long denominator;  // positive
    };

    constexpr Rational() noexcept = default;
    // Implicit, as the reduction writes N(0) and N(1) for either arithmetic.
    Rational(long long whole)
        : value_{whole}
    {
        if (whole == LLONG_MIN) [[unlikely]]
            *this = outOfWords(whole, 1);
    }
    // numerator / denominator in lowest terms. A zero denominator is
    // refused with std::domain_error: no value is ever built with one.
    Rational(long long numerator, long long denominator);

    Rational(const Rational& other) noexcept
        : value_(other.value_)
        , denominator_(other.denominator_)
    {
        if (isBig())
            share();
    }
    Rational(Rational&& other) noexcept
        : value_(other.value_)
        , denominator_(other.denominator_)
    {
        other.value_.numerator = 0;
        other.denominator_ = 1;
    }
    Rational& operator=(const Rational& other) noexcept { return *this = Rational(other); }
    Rational& operator=(Rational&& other) noexcept
    {
        std::swap(value_, other.value_);
        std::swap(denominator_, other.denominator_);
        return *this;
    }
    ~Rational()
    {
        if (isBig())
            release();
    }

    [[nodiscard]] bool isZero() const noexcept { return !isBig() && value_.numerator == 0; }
    // -1, 0 or 1.
    [[nodiscard]] int sign() const noexcept
    {
        return isBig() ? bigSign() : (value_.numerator > 0) - (value_.numerator < 0);
    }
    [[nodiscard]] bool isInteger() const noexcept { return isBig() ? bigIsInteger() : denominator_ == 1; }
    // The parts while both fit machine words (neither is LLONG_MIN); none
    // once the value has moved to GMP.
    [[nodiscard]] std::optional<Words> inWords() const noexcept
    {
        return isBig() ? std::nullopt : std::optional<Words>(Words{value_.numerator, denominator_});
    }
    // The nearest double (ties to even); beyond the double range an
    // infinity with the value's sign.
    [[nodiscard]] double toDouble() const noexcept;
    // 1 / value; refused with std::domain_error for zero.
    [[nodiscard]] Rational reciprocal() const;

    friend Rational operator-(const Rational& a)
    {
        return a.isBig() ? a.bigNegation() : Rational(Canonical{}, -a.value_.numerator, a.denominator_);
    }
    friend Rational abs(const Rational& a) { return a.sign() < 0 ? -a : a; }

    friend Rational operator+(const Rational& a, const Rational& b)
    {
        if (!a.isBig() && !b.isBig()) [[likely]] {
            Rational sum;
            if (sumInWords(a.value_.numerator, a.denominator_, b.value_.numerator, b.denominator_, sum))
                return sum;
        }
        return bigSum(a, b);
    }
    friend Rational operator-(const Rational& a, const Rational& b)
    {
        if (!a.isBig() && !b.isBig()) [[likely]] {
            Rational difference;
            if (sumInWords(a.value_.numerator, a.denominator_, -b.value_.numerator, b.denominator_, difference))
                return difference;
        }
        return bigDifference(a, b);
    }
    friend Rational operator*(const Rational& a, const Rational& b)
    {
        if (!a.isBig() && !b.isBig()) [[likely]] {
            Rational product;
            if (productInWords(a.value_.numerator, a.denominator_, b.value_.numerator, b.denominator_, product))
                return product;
        }
        return bigProduct(a, b);
    }
    // Refused with std::domain_error for a zero divisor, before anything
    // is built: every division of the reduction tests its divisor first.
    friend Rational operator/(const Rational& a, const Rational& b)
    {
        if (b.isZero()) [[unlikely]]
            refuseZeroDivisor();
        if (!a.isBig() && !b.isBig()) [[likely]] {
            // b's reciprocal in words: its sign moves to the numerator.
            const bool negative = b.value_.numerator < 0;
            Rational quotient;
            if (productInWords(a.value_.numerator, a.denominator_, negative ? -b.denominator_ : b.denominator_,
                               negative ? -b.value_.numerator : b.value_.numerator, quotient))
                return quotient;
        }
        return bigQuotient(a, b);
    }
    Rational& operator+=(const Rational& b) { return *this = *this + b; }
    Rational& operator-=(const Rational& b) { return *this = *this - b; }
    Rational& operator*=(const Rational& b) { return *this = *this * b; }
    Rational& operator/=(const Rational& b) { return *this = *this / b; }

    // Equal values have equal parts, and a value in GMP never fits words.
    friend bool operator==(const Rational& a, const Rational& b) noexcept
    {
        if (a.isBig() != b.isBig())
            return false;
        if (a.isBig())
            return bigEqual(a, b);
        return a.value_.numerator == b.value_.numerator && a.denominator_ == b.denominator_;
    }
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b) noexcept
    {
        long long left = 0;
        long long right = 0;
        if (!a.isBig() && !b.isBig() && !__builtin_mul_overflow(a.value_.numerator, b.denominator_, &left)
            && !__builtin_mul_overflow(b.value_.numerator, a.denominator_, &right)) [[likely]]
            return left <=> right;
        return bigCompare(a, b);
    }

private:
    friend class detail::RationalGmp;
    struct Canonical {};

    // Already in lowest terms, the denominator positive, neither LLONG_MIN.
    constexpr Rational(Canonical, long long numerator, long long denominator) noexcept
        : value_{numerator}
        , denominator_(denominator)
    {
    }
    struct InGmp {};
    Rational(InGmp, detail::BigRational* big) noexcept
        : denominator_(0)
    {
        value_.big = big;
    }

    [[nodiscard]] bool isBig() const noexcept { return denominator_ == 0; }

    // LLONG_MIN is kept out too, so that every value in words can change
    // its sign.
    static bool times(long long a, long long b, long long& product) noexcept
    {
        return !__builtin_mul_overflow(a, b, &product) && product != LLONG_MIN;
    }
    static bool plus(long long a, long long b, long long& sum) noexcept
    {
        return !__builtin_add_overflow(a, b, &sum) && sum != LLONG_MIN;
    }

    // Knuth's sum: with g = gcd(b, d), a/b + c/d = t / (b/g * d/g') where
    // t = a d/g + c b/g and g' = gcd(t, g), already in lowest terms.
    // False when a part outgrows a machine word.
    static bool sumInWords(long long a, long long b, long long c, long long d, Rational& sum) noexcept
    {
        if (a == 0 || c == 0) {
            sum = a == 0 ? Rational(Canonical{}, c, d) : Rational(Canonical{}, a, b);
            return true;
        }
        const long long g = std::gcd(b, d);
        long long ad = 0;
        long long cb = 0;
        long long t = 0;
        if (!times(a, d / g, ad) || !times(c, b / g, cb) || !plus(ad, cb, t))
            return false;
        if (t == 0) {
            sum = Rational();
            return true;
        }
        const long long g2 = std::gcd(t, g);
        long long denominator = 0;
        if (!times(b / g, d / g2, denominator))
            return false;
        sum = Rational(Canonical{}, t / g2, denominator);
        return true;
    }
    static bool productInWords(long long a, long long b, long long c, long long d, Rational& product) noexcept
    {
        if (a == 0 || c == 0) {
            product = Rational();
            return true;
        }
        const long long g1 = std::gcd(a, d);
        const long long g2 = std::gcd(c, b);
        long long numerator = 0;
        long long denominator = 0;
        if (!times(a / g1, c / g2, numerator) || !times(b / g2, d / g1, denominator))
            return false;
        product = Rational(Canonical{}, numerator, denominator);
        return true;
    }

    // Out of line, in GMP: the paths off the everyday one.
    static Rational outOfWords(long long numerator, long long denominator);
    static Rational bigSum(const Rational& a, const Rational& b);
    static Rational bigDifference(const Rational& a, const Rational& b);
    static Rational bigProduct(const Rational& a, const Rational& b);
    static Rational bigQuotient(const Rational& a, const Rational& b);
    static bool bigEqual(const Rational& a, const Rational& b) noexcept;
    static std::strong_ordering bigCompare(const Rational& a, const Rational& b) noexcept;
    [[noreturn]] static void refuseZeroDivisor();
    [[nodiscard]] Rational bigNegation() const;
    [[nodiscard]] int bigSign() const noexcept;
    [[nodiscard]] bool bigIsInteger() const noexcept;
    void share() const noexcept;
    void release() noexcept;

    // The numerator while denominator_ is positive; the value in GMP
    // while it is 0.
    union Value {
        long long numerator;
        detail::BigRational* big;
    } value_{0};
    long long denominator_ = 1;
};

}  // namespace rowsweep
