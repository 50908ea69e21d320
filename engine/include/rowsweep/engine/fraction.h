#pragma once

#include <optional>

namespace rowsweep {

// A fraction in lowest terms; the denominator is positive.
struct Fraction {
    long long numerator;
    int denominator;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The fraction p/q with 2 <= q <= 1000 and the smallest such q that lies
// within 1e-12 of `value`, relative to it: 0.333333333333333 is 1/3 and
// -2.66666666666667 is -8/3, as a student would write them. None for an
// integer, for a value that is exactly such a fraction in decimals (0.5,
// 0.625: the decimal already says it all), for a value no fraction comes
// that close to, and for infinities and NaN.
[[nodiscard]] std::optional<Fraction> nearbyFraction(double value) noexcept;

}  // namespace rowsweep
