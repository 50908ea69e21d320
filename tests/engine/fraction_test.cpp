#include "rowsweep/engine/fraction.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "rowsweep/engine/cell_text.h"

namespace rowsweep {
namespace {

TEST(NearbyFraction, NamesOnlyTheFractionACellRoundedAway)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<Fraction>> cases[] = {
        {*parseCellText("0.333333333333333"), Fraction{1, 3}},
        {*parseCellText("0.3333333333333333"), Fraction{1, 3}},  // the nearest double to 1/3 is still not 1/3
        {*parseCellText("-2.66666666666667"), Fraction{-8, 3}},
        {*parseCellText("-0.285714285714286"), Fraction{-2, 7}},
        {*parseCellText("3.14285714285714"), Fraction{22, 7}},
        {*parseCellText("0.00100300902708124"), Fraction{1, 997}},
        {*parseCellText("0.30000000000000004"), Fraction{3, 10}},  // a decimal off by a rounding residue
        {*parseCellText("0.9990000000000001"), Fraction{999, 1000}},
        {*parseCellText("123456.333333333"), Fraction{370369, 3}},
        {0.0, {}}, {-0.0, {}}, {-7.0, {}}, {1e300, {}}, {-3.33333333333333e+19, {}},
        {4503599627370497.0, {}},  // beyond 2^52 every double is an integer
        {0.625, {}}, {-0.1, {}}, {0.001, {}},  // exact as written
        {2.99999999999999, {}},  // near an integer, not a fraction
        {0.3333, {}}, {0.3333333333, {}},  // not close enough to 1/3
        {0.000999000999000999, {}},  // 1/1001: the denominator is too large
        {1e-13, {}}, {1.11022302462516e-16, {}}, {kInfinity, {}}, {-kInfinity, {}},
        {std::numeric_limits<double>::quiet_NaN(), {}},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(nearbyFraction(value), expected) << value;
}

}  // namespace
}  // namespace rowsweep
