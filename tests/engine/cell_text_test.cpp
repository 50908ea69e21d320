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

namespace rowsweep {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kMinNormal = std::numeric_limits<double>::min();
constexpr double kMinDenormal = std::numeric_limits<double>::denorm_min();

std::string format(double value)
{
    CellTextBuffer buffer;
    return std::string(formatCellText(value, buffer));
}

std::string printfGeneral15(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

struct ReadCase {
    const char* text;
    double value;
};

class ReadsAsNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadsAsNumber, GivesTheValue)
{
    const auto [text, expected] = GetParam();
    const auto value = parseCellText(text);
    ASSERT_TRUE(value.has_value()) << '"' << text << '"';
    EXPECT_EQ(*value, expected) << '"' << text << '"';
    EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReadsAsNumber,
    ::testing::Values(ReadCase{"0", 0.0}, ReadCase{"1", 1.0}, ReadCase{"-2", -2.0}, ReadCase{"+3", 3.0},
                      ReadCase{"-0", -0.0}, ReadCase{"+0", 0.0}, ReadCase{"3.25", 3.25},
                      ReadCase{".5", 0.5}, ReadCase{"5.", 5.0}, ReadCase{"-.5", -0.5}, ReadCase{"+5.", 5.0},
                      ReadCase{"007", 7.0}, ReadCase{"1e3", 1000.0}, ReadCase{"1E3", 1000.0},
                      ReadCase{"1e+3", 1000.0}, ReadCase{"25e-1", 2.5}, ReadCase{".5e1", 5.0},
                      ReadCase{"5.e-1", 0.5}, ReadCase{"  4", 4.0}, ReadCase{"4  ", 4.0},
                      ReadCase{"\t-4\t ", -4.0}, ReadCase{"0.1", 0.1}, ReadCase{"1e-16", 1e-16},
                      ReadCase{"1.7976931348623157e308", kMax},
                      ReadCase{"4.9406564584124654e-324", kMinDenormal},
                      ReadCase{"3e-324", kMinDenormal},
                      // Too small to represent: the nearest double is a zero
                      // that keeps the sign.
                      ReadCase{"1e-400", 0.0}, ReadCase{"-1e-400", -0.0}, ReadCase{"2e-324", 0.0},
                      ReadCase{"0.000001e-99999999999999999999", 0.0},
                      ReadCase{"0e999999", 0.0}, ReadCase{"-0.0e-999999", -0.0}));

class IsNotANumber : public ::testing::TestWithParam<const char*> {};

TEST_P(IsNotANumber, ReadFails)
{
    EXPECT_FALSE(parseCellText(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, IsNotANumber,
    ::testing::Values("", " ", "\t", "-", "+", ".", "-.", "+.", "e5", ".e5", "abc", "x1", "5abc", "1 2",
                      "1,5", "1.5.2", "--1", "+-1", "1e", "1e+", "1e-", "1e5.0", "1.0e2e3", "0x10", "0X1p3",
                      "1_000", "inf", "-inf", "Infinity", "-Infinity", "INF", "nan", "NaN", "-NaN",
                      "nan(0x1)", "\n1", "1\n", "\xd9\xa3",  // an Arabic-Indic three
                      "\xef\xbc\x91",  // a full-width one
                      "1e400", "-1e400", "1.8e308", "99999999999999999999e99999999999999999999"));

TEST(CellText, KeepsThePointUnderAGermanLocale)
{
    testing::ProcessLocale german(testing::kGermanLocale);
    if (!german.active())
        GTEST_SKIP() << testing::kGermanLocaleMissing;
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the C library now reads a decimal comma";

    EXPECT_EQ(parseCellText("1.5"), 1.5);
    EXPECT_FALSE(parseCellText("1,5").has_value());
    EXPECT_EQ(parseCellText("-2.5e-3"), -2.5e-3);
    CellTextBuffer buffer;
    EXPECT_EQ(formatCellText(1.5, buffer), "1.5");
    EXPECT_EQ(formatCellText(-1.0 / 3.0, buffer), "-0.333333333333333");
    EXPECT_EQ(formatCellText(2.5e-7, buffer), "2.5e-07");
}

TEST(ReadCell, LongMantissasKeepTheirPower)
{
    // A hundred thousand zeros before or after the first digit move the
    // power of ten as far as the exponent does; only the two together
    // decide whether the literal is in range.
    const std::string zeros(100000, '0');
    struct Case {
        const char* name;
        std::string text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"zeros then a huge exponent, 1e99999", "0." + zeros + "1e200000", std::nullopt},
        {"negative, -1e99999", "-0." + zeros + "1e200000", std::nullopt},
        {"zeros then an exponent that lands on 1e9", "0." + zeros + "1e100010", 1e9},
        {"a long integer scaled back to 1", "1" + zeros + "e-100000", 1.0},
        {"a long integer scaled far below", "-1" + zeros + "e-200000", -0.0},
        {"a long integer beyond the range", "1" + zeros, std::nullopt},
    };
    for (const auto& [name, text, value] : cases) {
        const auto read = parseCellText(text);
        ASSERT_EQ(read.has_value(), value.has_value()) << name;
        if (value) {
            EXPECT_EQ(*read, *value) << name;
            EXPECT_EQ(std::signbit(*read), std::signbit(*value)) << name;
        }
    }
}

struct WriteCase {
    double value;
    const char* text;
};

class WritesAs : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WritesAs, TheText)
{
    EXPECT_EQ(format(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WritesAs,
    ::testing::Values(WriteCase{0.0, "0"}, WriteCase{-0.0, "0"}, WriteCase{1.0, "1"}, WriteCase{-17.0, "-17"},
                      WriteCase{0.5, "0.5"}, WriteCase{-28.0, "-28"}, WriteCase{1.0 / 3.0, "0.333333333333333"},
                      WriteCase{-2.0 / 3.0, "-0.666666666666667"}, WriteCase{1.0 / 7.0, "0.142857142857143"},
                      WriteCase{0.1 + 0.2, "0.3"}, WriteCase{1e-16, "1e-16"}, WriteCase{-1e-16, "-1e-16"},
                      WriteCase{1e+20, "1e+20"}, WriteCase{1e15, "1e+15"}, WriteCase{1e14, "100000000000000"},
                      WriteCase{123456789012345.0, "123456789012345"}, WriteCase{0.0001, "0.0001"},
                      WriteCase{0.00001, "1e-05"}, WriteCase{1.5e-5, "1.5e-05"}, WriteCase{2.5e100, "2.5e+100"},
                      WriteCase{kMax, "1.7976931348623157e+308"}, WriteCase{-kMax, "-1.7976931348623157e+308"},
                      WriteCase{1.7976931348623e308, "1.7976931348623e+308"}, WriteCase{kMinNormal, "2.2250738585072e-308"},
                      WriteCase{kMinDenormal, "4.94065645841247e-324"}, WriteCase{kInfinity, "Infinity"},
                      WriteCase{-kInfinity, "-Infinity"}, WriteCase{kNaN, "NaN"}, WriteCase{-kNaN, "NaN"}));

TEST(WriteCell, AgreesWithPrintfForFiniteValues)
{
    // The fast layout must print exactly what "%.15g" prints; random bit
    // patterns cover every exponent, denormals included.
    std::mt19937_64 random(20261207);
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0.0 || std::fabs(value) > 1.797693134862315e308)
            continue;
        ASSERT_EQ(format(value), printfGeneral15(value)) << "bits " << bits;
        ++compared;
    }
    // Short decimals, the common case, take the fast path.
    std::uniform_int_distribution<int> digits(-999999, 999999);
    std::uniform_int_distribution<int> scale(-8, 8);
    for (int i = 0; i < 100000; ++i) {
        const double value = digits(random) * std::pow(10.0, scale(random));
        if (value == 0.0)
            continue;
        ASSERT_EQ(format(value), printfGeneral15(value)) << value;
        ++compared;
    }
    // Values whose shortest form has 16 or 17 digits, half of them ending
    // in a 5 right after the 15th: the rounding midpoints.
    std::uniform_int_distribution<long long> mantissa(100000000000000LL, 999999999999999LL);
    std::uniform_int_distribution<int> power(-30, 30);
    for (int i = 0; i < 100000; ++i) {
        const std::string tail = i % 2 ? "5" : std::to_string(10 + i % 90);
        const std::string text = std::to_string(mantissa(random)) + tail + "e" + std::to_string(power(random));
        const double value = *parseCellText(text);
        ASSERT_EQ(format(value), printfGeneral15(value)) << text;
        ++compared;
    }
    EXPECT_GT(compared, 350000);
}

TEST(WriteCell, ReadsBackAsZeroExactlyWhenZero)
{
    const double awkward[] = {0.0,         -0.0,          kMinDenormal, -kMinDenormal, kMinNormal,
                              -kMinNormal, kMinNormal / 2, kMax,        -kMax,         1e-16,
                              1e-300,      1.0 / 3.0,     -1e-320,      5e-324,        1e308};
    for (const double value : awkward) {
        const auto back = parseCellText(format(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_EQ(isZero(*back), value == 0.0) << value;
    }
}

TEST(WriteCell, EveryFiniteValueReadsBack)
{
    // Random bit patterns over the whole range, and the top of the range
    // where rounding to 15 digits would overflow.
    std::mt19937_64 random(7);
    std::vector<double> values{kMax, -kMax, std::nextafter(kMax, 0.0), 1.797693134862315e308};
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
    }
    for (const double value : values) {
        if (!std::isfinite(value))
            continue;
        const auto back = parseCellText(format(value));
        ASSERT_TRUE(back.has_value()) << format(value);
        ASSERT_EQ(isZero(*back), value == 0.0) << format(value);
        ASSERT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << format(value);
    }
}

TEST(WriteCell, NonFiniteTextsAreNotNumbers)
{
    for (const double value : {kInfinity, -kInfinity, kNaN})
        EXPECT_FALSE(parseCellText(format(value)).has_value()) << format(value);
}

TEST(ZeroTest, CountsZeroMinusZeroAndNaNAsZero)
{
    struct Case {
        double value;
        bool zero;
    };
    const Case cases[] = {{0.0, true},           {-0.0, true},           {kNaN, true},
                          {kMinDenormal, false}, {-kMinDenormal, false}, {1e-16, false},
                          {kInfinity, false},    {-kInfinity, false},    {-1.0, false}};
    for (const auto [value, zero] : cases)
        EXPECT_EQ(isZero(value), zero) << value;
}

}  // namespace
}  // namespace rowsweep
