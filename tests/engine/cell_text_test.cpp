#include "rowsweep/engine/cell_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "process_locale.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMinNormal = std::numeric_limits<double>::min();
constexpr double kMinDenormal = std::numeric_limits<double>::denorm_min();

std::string format(double value)
{
    return writtenText(writtenNumber(value));
}

std::string printfGeneral15(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

double fromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(ReadCell, ReadsTheGrammarAndKeepsTheSignOfZero)
{
    const std::string zeros(100000, '0');
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"0", 0.0}, {"-2", -2.0}, {"+3", 3.0}, {"-0", -0.0}, {"+0", 0.0}, {"3.25", 3.25}, {".5", 0.5},
        {"5.", 5.0}, {"-.5", -0.5}, {"+5.", 5.0}, {"007", 7.0}, {"1e3", 1000.0}, {"1E3", 1000.0},
        {"1e+3", 1000.0}, {"25e-1", 2.5}, {".5e1", 5.0}, {"5.e-1", 0.5}, {"  4", 4.0}, {"4  ", 4.0},
        {"\t-4\t ", -4.0}, {"0.1", 0.1}, {"1e-16", 1e-16}, {"1.7976931348623157e308", kMax},
        {"4.9406564584124654e-324", kMinDenormal}, {"3e-324", kMinDenormal},
        // Too small to represent: the nearest double is a zero that keeps the sign.
        {"1e-400", 0.0}, {"-1e-400", -0.0}, {"2e-324", 0.0}, {"0.000001e-99999999999999999999", 0.0},
        {"0e999999", 0.0}, {"-0.0e-999999", -0.0},
        // Zeros before or after the first digit move the power of ten as
        // far as the exponent does; only the two together decide the range.
        {"0." + zeros + "1e200000", std::nullopt}, {"-0." + zeros + "1e200000", std::nullopt},
        {"0." + zeros + "1e100010", 1e9}, {"1" + zeros + "e-100000", 1.0}, {"-1" + zeros + "e-200000", -0.0},
        {"1" + zeros, std::nullopt},
        // Not numbers.
        {"", {}}, {" ", {}}, {"\t", {}}, {"-", {}}, {"+", {}}, {".", {}}, {"-.", {}}, {"e5", {}}, {".e5", {}},
        {"abc", {}}, {"5abc", {}}, {"1 2", {}}, {"1,5", {}}, {"1.5.2", {}}, {"--1", {}}, {"+-1", {}},
        {"1e", {}}, {"1e+", {}}, {"1e5.0", {}}, {"1.0e2e3", {}}, {"0x10", {}}, {"0X1p3", {}}, {"1_000", {}},
        {"inf", {}}, {"-Infinity", {}}, {"INF", {}}, {"NaN", {}}, {"nan(0x1)", {}}, {"\n1", {}}, {"1\n", {}},
        {"\xd9\xa3", {}},  // an Arabic-Indic three
        {"\xef\xbc\x91", {}},  // a full-width one
        {"1e400", {}}, {"-1e400", {}}, {"1.8e308", {}}, {"99999999999999999999e99999999999999999999", {}},
    };
    for (const auto& [text, expected] : cases) {
        const std::string shown = text.substr(0, 40);
        const auto value = parseCellText(text);
        ASSERT_EQ(value.has_value(), expected.has_value()) << '"' << shown << '"';
        if (value) {
            // What a double reads is a number exactly too, if perhaps too long to hold.
            const ExactReading exact = readExactCellText(text, false);
            EXPECT_TRUE(exact.value || exact.tooLong) << '"' << shown << '"';
            EXPECT_EQ(*value, *expected) << '"' << shown << '"';
            EXPECT_EQ(std::signbit(*value), std::signbit(*expected)) << '"' << shown << '"';
        }
    }
}

TEST(CellText, KeepsThePointUnderAGermanLocale)
{
    testing::ProcessLocale german(testing::kGermanLocale);
    if (!german.active())
        GTEST_SKIP() << testing::kGermanLocaleMissing;
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the C library now reads a decimal comma";

    EXPECT_EQ(parseCellText("1.5"), 1.5);
    EXPECT_FALSE(parseCellText("1,5").has_value());
    EXPECT_EQ(parseCellText("-2.5e-3"), -2.5e-3);
    EXPECT_EQ(format(-1.0 / 3.0), "-0.333333333333333");
    EXPECT_EQ(format(2.5e-7), "2.5e-07");
}

TEST(WriteCell, WritesTheGeneralLayout)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"}, {-0.0, "0"}, {-17.0, "-17"}, {0.5, "0.5"}, {1.0 / 3.0, "0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"}, {0.1 + 0.2, "0.3"}, {-1e-16, "-1e-16"}, {1e+20, "1e+20"},
        {1e15, "1e+15"}, {1e14, "100000000000000"}, {123456789012345.0, "123456789012345"}, {0.0001, "0.0001"},
        {0.00001, "1e-05"}, {1.5e-5, "1.5e-05"}, {2.5e100, "2.5e+100"}, {kMax, "1.7976931348623157e+308"},
        {-kMax, "-1.7976931348623157e+308"}, {1.7976931348623e308, "1.7976931348623e+308"},
        {kMinNormal, "2.2250738585072e-308"}, {kMinDenormal, "4.94065645841247e-324"}, {kInfinity, "Infinity"},
        {-kInfinity, "-Infinity"}, {kNaN, "NaN"}, {-kNaN, "NaN"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(format(value), text) << value;
}

TEST(WriteCell, AgreesWithPrintfForFiniteValues)
{
    // Random bit patterns cover every exponent, denormals included; short
    // decimals take the fast path; values of 16 or 17 digits, half of them
    // ending in a 5 right after the 15th, are the rounding midpoints.
    std::mt19937_64 random(20261207);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i)
        values.push_back(fromBits(random()));
    std::uniform_int_distribution<int> digits(-999999, 999999);
    std::uniform_int_distribution<int> scale(-8, 8);
    for (int i = 0; i < 100000; ++i)
        values.push_back(digits(random) * std::pow(10.0, scale(random)));
    std::uniform_int_distribution<long long> mantissa(100000000000000LL, 999999999999999LL);
    std::uniform_int_distribution<int> power(-30, 30);
    for (int i = 0; i < 100000; ++i) {
        const std::string tail = i % 2 ? "5" : std::to_string(10 + i % 90);
        values.push_back(*parseCellText(std::to_string(mantissa(random)) + tail + "e" + std::to_string(power(random))));
    }
    int compared = 0;
    for (const double value : values) {
        // The largest few would round beyond the range; they are written
        // in full (see WritesTheGeneralLayout).
        if (!std::isfinite(value) || value == 0.0 || std::fabs(value) > 1.797693134862315e308)
            continue;
        ASSERT_EQ(format(value), printfGeneral15(value)) << value;
        ++compared;
    }
    EXPECT_GT(compared, 350000);
}

// NaN counts as zero, as both zeros do.
TEST(WriteCell, ReadsBackZeroExactlyWhenZeroAndNearbyOtherwise)
{
    std::mt19937_64 random(7);
    std::vector<double> values{0.0, -0.0, kMinDenormal, -kMinDenormal, kMinNormal / 2, -kMinNormal, 1e-16,
                               1.0 / 3.0, 5e-324, kMax, -kMax, std::nextafter(kMax, 0.0), 1.797693134862315e308,
                               kInfinity, -kInfinity, kNaN};
    for (int i = 0; i < 100000; ++i)
        values.push_back(fromBits(random()));
    for (const double value : values) {
        const auto back = parseCellText(format(value));
        ASSERT_EQ(back.has_value(), std::isfinite(value)) << format(value);
        ASSERT_EQ(isZero(value), value == 0.0 || std::isnan(value)) << format(value);
        // The warning reads the third row as written.
        ASSERT_EQ(readsBackAsZero(value), back && isZero(*back)) << format(value);
        if (back) {
            ASSERT_EQ(isZero(*back), value == 0.0) << format(value);
            ASSERT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << format(value);
        }
    }
}

}  // namespace
}  // namespace rowsweep
