#include "rowsweep/engine/fraction.h"

#include <cmath>
#include <numeric>

namespace rowsweep {

namespace {

constexpr int kLargestDenominator = 1000;
constexpr double kRelativeTolerance = 1e-12;
// From 2^52 on every double is an integer.
constexpr double kIntegersOnly = 4503599627370496.0;

// A denominator whose only prime factors are 2 and 5 ends as a decimal.
bool endsAsDecimal(int denominator)
{
    for (const int factor : {2, 5})
        while (denominator % factor == 0)
            denominator /= factor;
    return denominator == 1;
}

}  // namespace

std::optional<Fraction> nearbyFraction(double value) noexcept
{
    if (!(std::fabs(value) < kIntegersOnly) || value == std::trunc(value))
        return std::nullopt;
    const double tolerance = kRelativeTolerance * std::fabs(value);
    for (int denominator = 2; denominator <= kLargestDenominator; ++denominator) {
        const double numerator = std::round(value * denominator);
        const double nearest = numerator / denominator;
        if (!(std::fabs(value - nearest) <= tolerance))
            continue;
        const auto whole = static_cast<long long>(numerator);
        // The smallest denominator that comes close enough can still share
        // a factor with its numerator when the value lies near an integer.
        if (std::gcd(whole, static_cast<long long>(denominator)) != 1)
            return std::nullopt;
        if (value == nearest && endsAsDecimal(denominator))
            return std::nullopt;
        return Fraction{whole, denominator};
    }
    return std::nullopt;
}

}  // namespace rowsweep
