#include "rowsweep/engine/exact_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <string>

#include "rational_gmp.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep {
namespace {

using detail::RationalGmp;

// numerator * 10^exponent, exactly.
mpq_class scaled(const mpz_class& numerator, long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    mpq_class value(numerator);
    if (exponent >= 0)
        value *= power;
    else
        value /= power;
    return value;
}

// Compared as numerator and denominator, so that a value read in other
// than lowest terms says so.
std::string termsOf(const std::optional<mpq_class>& value)
{
    return value ? value->get_num().get_str() + "/" + value->get_den().get_str() : "not a number";
}

std::string termsOf(const std::optional<Rational>& value)
{
    return termsOf(value ? std::optional<mpq_class>(RationalGmp::gmpValue(*value)) : std::nullopt);
}

std::string exactDecimalText(const mpq_class& value)
{
    return rowsweep::exactDecimalText(RationalGmp::fromGmp(mpq_class(value)));
}

TEST(ReadExactCell, ReadsTheDecimalAsWrittenWithOrWithoutFractions)
{
    const std::pair<const char*, mpq_class> cases[] = {
        {"0.1", mpq_class(1, 10)}, {"-0.5", mpq_class(-1, 2)}, {"+3", 3}, {"\t 4 ", 4}, {".5", mpq_class(1, 2)},
        {"5.", 5}, {"007", 7}, {"-0", 0}, {"0.0625", mpq_class(1, 16)}, {"-12.50", mpq_class(-25, 2)},
        {"2.5e3", 2500}, {"25E-1", mpq_class(5, 2)}, {"1e+2", 100}, {"0.04", mpq_class(1, 25)},
        {"0.333333333333333", mpq_class(333333333333333, 1000000000000000)},
        // A whole number read as a machine word up to its ends, and past them.
        {"-42", -42}, {"-9223372036854775808", mpq_class(mpz_class("-9223372036854775808"))},
        {"9223372036854775808", mpq_class(mpz_class("9223372036854775808"))},
        // Twenty digits no longer fit a machine word.
        {"99999999999999999999", mpq_class(mpz_class("99999999999999999999"))},
        {"1234567890123456789.5", mpq_class(mpz_class("2469135780246913579"), 2)},
        {"1e-16", scaled(1, -16)}, {"1e308", scaled(1, 308)},
        {"-1.7976931348623157e308", scaled(-17976931348623157, 292)},
        // The range of doubles is no limit to an exact value.
        {"3e-324", scaled(3, -324)}, {"1e-400", scaled(1, -400)}, {"-2e-324", scaled(-2, -324)},
        {"1e400", scaled(1, 400)}, {"0e999999", 0}, {"-0.0e-999999999", 0},
    };
    for (const auto& [text, value] : cases)
        for (const bool fractions : {false, true})
            EXPECT_EQ(termsOf(parseExactCellText(text, fractions)), termsOf(value))
                << '"' << text << "\", fractions " << fractions;
}

TEST(ReadExactCell, DecimalsReadIntoLowestTerms)
{
    // Mantissas ending in 5s, in even digits or in zeros, with the point
    // anywhere and an exponent: the value is digits / 10^k, and it comes
    // back in the lowest terms GMP itself would give.
    std::mt19937_64 random(20261208);
    const char lastDigits[] = "1245680";
    for (int i = 0; i < 5000; ++i) {
        std::string digits = std::to_string(random() % 100000000);
        digits += lastDigits[random() % 7];
        digits.append(random() % 4, random() % 2 ? '0' : '5');
        const auto point = static_cast<long>(random() % (digits.size() + 1));
        const long exponent = static_cast<long>(random() % 41) - 20;
        const std::string text = (i % 2 ? "-" : "") + digits.substr(0, static_cast<std::size_t>(point)) + "."
                                 + digits.substr(static_cast<std::size_t>(point)) + "e" + std::to_string(exponent);
        const long shift = exponent - static_cast<long>(digits.size()) + point;
        const mpq_class expected = scaled(mpz_class(i % 2 ? "-" + digits : digits), shift);
        ASSERT_EQ(termsOf(parseExactCellText(text, false)), termsOf(expected)) << text;
    }
}

TEST(ReadExactCell, ReadsAFractionOnlyWhenAsked)
{
    const std::pair<const char*, mpq_class> cases[] = {
        {"1/3", mpq_class(1, 3)}, {"-7/4", mpq_class(-7, 4)}, {" 1 / 2 ", mpq_class(1, 2)},
        {"\t6/\t4", mpq_class(3, 2)}, {"1/-2", mpq_class(-1, 2)}, {"-6/-4", mpq_class(3, 2)},
        {"0.5/1.5", mpq_class(1, 3)}, {"2e3/4", 500}, {"1/3e2", mpq_class(1, 300)}, {"0/5", 0},
        {"1e-400/3", scaled(1, -400) / 3}, {"1/1e-400", scaled(1, 400)}, {"1e400/2", scaled(5, 399)},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(termsOf(parseExactCellText(text, true)), termsOf(value)) << '"' << text << '"';
        EXPECT_FALSE(parseExactCellText(text, false).has_value()) << '"' << text << '"';
    }
    const char* const notNumbers[] = {"", "1/0", "1/0.0", "1/-0", "1/0e-400",  // a denominator of 0
                                      "1/", "/2", "/", "1/2/3", "1//2", "1/2x"};
    for (const char* text : notNumbers)
        EXPECT_FALSE(parseExactCellText(text, true).has_value()) << '"' << text << '"';
}

TEST(ReadExactCell, LongTextsStayBounded)
{
    // A cell holds at most 32,767 characters. Compared without printing:
    // the values run to thousands of digits.
    const std::string zeros(32000, '0');
    std::string manyDigits;
    for (int i = 0; i < 32000; ++i)
        manyDigits += static_cast<char>('1' + i % 9);
    mpq_class longMantissa(mpz_class(manyDigits), 1);
    longMantissa /= scaled(1, 32000 - 3);
    const std::pair<std::string, std::optional<mpq_class>> cases[] = {
        {std::string(32767, '9'), mpq_class(mpz_class(std::string(32767, '9')))},
        {"0." + zeros + "1", scaled(1, -32001)},
        {"1" + zeros + "e-32000", 1},
        {"0." + zeros + "25e32001", mpq_class(5, 2)},
        {"0." + manyDigits + "e3", longMantissa},
        {"-" + manyDigits + "e-31995/" + manyDigits + "e-31990", scaled(-1, -5)},
        // Leading zeros move the first digit back within the bound.
        {"0." + zeros + "1e132000", scaled(1, 99999)},
        {"0." + zeros + "1e132001", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_TRUE(termsOf(parseExactCellText(text, true)) == termsOf(value)) << text.substr(0, 20);
}

std::string readingOf(const ExactReading& reading)
{
    return reading.tooLong ? "too long" : termsOf(reading.value);
}

// Up to 100,000 digits before the point and as many after it, wherever the
// exponent and the zeros put them; a fraction with a part too long is too
// long, unless a part is no number at all.
TEST(ReadExactCell, ReadsAHundredThousandDigitsOnEitherSideOfThePoint)
{
    const std::string tooLong = "too long";
    const std::pair<const char*, std::string> cases[] = {
        {"1e99999", termsOf(scaled(1, 99999))}, {"-0.095e100001", termsOf(scaled(-95, 99998))},
        {"1e-100000", termsOf(scaled(1, -100000))}, {"1000e-100003", termsOf(scaled(1, -100000))},
        {"0.1e-99999", termsOf(scaled(1, -100000))}, {"0e999999999", termsOf(mpq_class(0))},
        {"1e100000", tooLong}, {"10e99999", tooLong}, {"-1.5e-100000", tooLong}, {"1e-100001", tooLong},
        {"1e999999999999999999999", tooLong}, {"1/1e100000", tooLong}, {"1e100000/0", tooLong},
        {"x/1e100000", "not a number"}, {"1e100000/", "not a number"}, {"1e100000x", "not a number"},
    };
    for (const auto& [text, reading] : cases)
        EXPECT_EQ(readingOf(readExactCellText(text, true)), reading) << text;
    EXPECT_EQ(readingOf(readExactCellText("1/1e100000", false)), "not a number");
}

TEST(ExactDecimal, RoundsToFifteenDigitsHalfToEvenInTheGeneralLayout)
{
    // Sixteen significant digits ending in 5 lie exactly halfway; a part in
    // 10^40 either way decides the tie.
    const mpq_class hair = scaled(1, -40);
    const std::pair<mpq_class, const char*> cases[] = {
        {0, "0"}, {mpq_class(19, 16), "1.1875"}, {mpq_class(-2, 3), "-0.666666666666667"},
        {mpq_class(1, 10000), "0.0001"}, {mpq_class(-3, 200000), "-1.5e-05"},
        {mpq_class(mpz_class("100000000000000")), "100000000000000"}, {scaled(1, 15), "1e+15"},
        {mpq_class(mpz_class("1234567890123456")), "1.23456789012346e+15"},
        {mpq_class(mpz_class("9999999999999996")), "1e+16"}, {mpq_class(22, 7), "3.14285714285714"},
        {scaled(1, 600), "1e+600"}, {scaled(7, -1000) / 3, "2.33333333333333e-1000"},
        {scaled(mpz_class("123456789012345"), 99986), "1.23456789012345e+100000"},
        {scaled(1000000000000005, -15), "1"}, {scaled(1000000000000015, -15), "1.00000000000002"},
        {scaled(-1000000000000015, -15), "-1.00000000000002"}, {scaled(1000000000000005, -15) + hair, "1.00000000000001"},
        {scaled(1000000000000015, -15) - hair, "1.00000000000001"}, {scaled(9999999999999995, -16), "1"},
        {scaled(1000000000000005, -45), "1e-30"}, {scaled(1000000000000025, 586), "1.00000000000002e+601"},
        {scaled(1000000000000035, 586), "1.00000000000004e+601"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(exactDecimalText(value), text) << value.get_str();
}

TEST(ExactDecimal, AgreesWithPrintfOnEveryDouble)
{
    // A double is a fraction with a power-of-two denominator, and the C
    // library rounds its exact value half to even too.
    std::mt19937_64 random(20261207);
    int compared = 0;
    for (int i = 0; i < 30000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", value);
        ASSERT_EQ(exactDecimalText(mpq_class(value)), value == 0.0 ? "0" : expected) << bits;
        ++compared;
    }
    EXPECT_GT(compared, 29000);
}

}  // namespace
}  // namespace rowsweep
