#include "rowsweep/engine/written_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep {
namespace {

using Kind = WrittenNumber::Kind;

mpq_class powerOfTen(long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
    return exponent >= 0 ? mpq_class(power) : mpq_class(1) / mpq_class(power);
}

// The value a finite written number stands for, from its pieces alone.
mpq_class valueOf(const WrittenNumber& number)
{
    mpq_class value(mpz_class(number.digits));
    if (number.kind == Kind::Fraction)
        value /= mpz_class(number.denominator);
    else if (number.kind == Kind::Decimal)
        value *= powerOfTen(static_cast<long>(number.power) - static_cast<long>(number.digits.size()) + 1);
    value.canonicalize();
    return number.negative ? mpq_class(-value) : value;
}

// The decimal's pieces put together as a reader sees them.
std::string fromLayout(const WrittenNumber& number)
{
    const DecimalLayout layout = layOutDecimal(number);
    std::string text = (number.negative ? "-" : "") + layout.integerPart;
    if (!layout.fractionPart.empty())
        text += "." + layout.fractionPart;
    if (layout.exponent) {
        const long long power = *layout.exponent;
        text += power < 0 ? "e-" : "e+";
        text += (std::llabs(power) < 10 ? "0" : "") + std::to_string(std::llabs(power));
    }
    return text;
}

// The pieces agree with the text: laid out they give it, and read back
// exactly it is the value they stand for; beyond the double range a
// decimal reads as doubles read it.
void expectConsistent(const WrittenNumber& number, const std::string& context)
{
    const std::string text = writtenText(number);
    if (number.kind == Kind::Decimal) {
        ASSERT_EQ(fromLayout(number), text) << context;
    }
    const auto back = parseExactCellText(text, true);
    const mpq_class written = valueOf(number);
    if (back) {
        ASSERT_TRUE(*back == written || (*back == 0 && abs(written) < std::numeric_limits<double>::denorm_min()))
            << context << " wrote " << text;
    } else {
        ASSERT_GE(abs(written), std::numeric_limits<double>::max()) << context << " wrote " << text;
    }
}

TEST(WrittenNumber, PiecesOfTheBoundaries)
{
    const mpq_class bound = powerOfTen(15);
    struct Case {
        const char* name;
        WrittenNumber number;
        Kind kind;
        bool negative;
        const char* digits;
        const char* denominator;
        long long power;
        const char* text;
    };
    const double max = std::numeric_limits<double>::max();
    const Case cases[] = {
        {"exact 0", writtenNumber(mpq_class(0)), Kind::Integer, false, "0", "", 0, "0"},
        {"p = 10^15 - 1", writtenNumber(bound - 1), Kind::Integer, false, "999999999999999", "", 0,
         "999999999999999"},
        {"p = -10^15 + 1", writtenNumber(1 - bound), Kind::Integer, true, "999999999999999", "", 0,
         "-999999999999999"},
        {"p = 10^15", writtenNumber(bound), Kind::Decimal, false, "1", "", 15, "1e+15"},
        {"p = -10^15 - 1", writtenNumber(-bound - 1), Kind::Decimal, true, "1", "", 15, "-1e+15"},
        {"(10^15 - 1)/7", writtenNumber((bound - 1) / 7), Kind::Fraction, false, "999999999999999", "7", 0,
         "999999999999999/7"},
        {"10^15/7", writtenNumber(bound / 7), Kind::Decimal, false, "142857142857143", "", 14,
         "142857142857143"},
        {"q = 1,000,000", writtenNumber(mpq_class(-1, 1000000)), Kind::Fraction, true, "1", "1000000", 0,
         "-1/1000000"},
        {"q = 1,000,001", writtenNumber(mpq_class(-1, 1000001)), Kind::Decimal, true, "999999000001", "", -7,
         "-9.99999000001e-07"},
        {"1e+300 stays exact", writtenNumber(powerOfTen(300)), Kind::Decimal, false, "1", "", 300, "1e+300"},
        {"a rounded tie goes even", writtenDecimal(mpq_class(1000000000000005, 1000000000000000)), Kind::Decimal,
         false, "1", "", 0, "1"},
        {"1/8 as a decimal", writtenDecimal(mpq_class(-1, 8)), Kind::Decimal, true, "125", "", -1, "-0.125"},
        {"double 0", writtenNumber(0.0), Kind::Decimal, false, "0", "", 0, "0"},
        {"double -0", writtenNumber(-0.0), Kind::Decimal, false, "0", "", 0, "0"},
        {"double -17", writtenNumber(-17.0), Kind::Decimal, true, "17", "", 1, "-17"},
        {"double 1e15", writtenNumber(1e15), Kind::Decimal, false, "1", "", 15, "1e+15"},
        {"double 1/3", writtenNumber(1.0 / 3), Kind::Decimal, false, "333333333333333", "", -1,
         "0.333333333333333"},
        {"double 2^-1074", writtenNumber(std::numeric_limits<double>::denorm_min()), Kind::Decimal, false,
         "494065645841247", "", -324, "4.94065645841247e-324"},
        {"largest double", writtenNumber(-max), Kind::Decimal, true, "17976931348623157", "", 308,
         "-1.7976931348623157e+308"},
        {"below the largest", writtenNumber(1.7976931348623e308), Kind::Decimal, false, "17976931348623", "",
         308, "1.7976931348623e+308"},
        {"infinity", writtenNumber(std::numeric_limits<double>::infinity()), Kind::Infinity, false, "", "", 0,
         "Infinity"},
        {"-infinity", writtenNumber(-std::numeric_limits<double>::infinity()), Kind::Infinity, true, "", "", 0,
         "-Infinity"},
        {"NaN", writtenNumber(-std::numeric_limits<double>::quiet_NaN()), Kind::NotANumber, false, "", "", 0,
         "NaN"},
    };
    for (const auto& [name, number, kind, negative, digits, denominator, power, text] : cases) {
        EXPECT_EQ(number.kind, kind) << name;
        EXPECT_EQ(number.negative, negative) << name;
        EXPECT_EQ(number.digits, digits) << name;
        EXPECT_EQ(number.denominator, denominator) << name;
        EXPECT_EQ(number.power, power) << name;
        EXPECT_EQ(writtenText(number), text) << name;
    }
}

TEST(WrittenNumber, EveryTextReadsBackAsThePiecesSay)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        const WrittenNumber number = writtenNumber(value);
        CellTextBuffer buffer;
        ASSERT_EQ(writtenText(number), formatCellText(value, buffer));
        ASSERT_TRUE(parseCellText(writtenText(number)).has_value()) << bits;
        expectConsistent(number, "bits " + std::to_string(bits));
    }

    // Fractions around both bounds and far beyond them, in lowest terms.
    std::uniform_int_distribution<unsigned> shift(0, 1100);
    std::uniform_int_distribution<unsigned long> nearBound(kWrittenNumeratorBound - 3, kWrittenNumeratorBound + 3);
    std::uniform_int_distribution<unsigned long> nearLimit(kLargestWrittenDenominator - 3,
                                                           kLargestWrittenDenominator + 3);
    for (int i = 0; i < 6000; ++i) {
        mpz_class numerator = i % 3 == 0 ? mpz_class(nearBound(random)) : mpz_class(random() >> (random() % 64));
        if (i % 5 == 0)
            numerator <<= shift(random);
        mpz_class denominator = i % 2 ? mpz_class(nearLimit(random)) : mpz_class(random() % 2000000 + 1);
        if (i % 7 == 0)
            denominator <<= shift(random);
        mpq_class value(i % 4 == 0 ? mpz_class(-numerator) : numerator, denominator);
        value.canonicalize();

        const WrittenNumber number = writtenNumber(value);
        const bool exact = mpz_cmpabs_ui(value.get_num_mpz_t(), kWrittenNumeratorBound) < 0
                           && cmp(value.get_den(), kLargestWrittenDenominator) <= 0;
        ASSERT_EQ(number.kind != Kind::Decimal, exact) << value.get_str();
        ASSERT_EQ(formatExactCellText(value), writtenText(number));
        if (exact) {
            ASSERT_EQ(valueOf(number), value);
        } else {
            // Within half a unit of the 15th digit.
            const mpq_class unit = powerOfTen(static_cast<long>(number.power) - 14);
            ASSERT_LE(abs(valueOf(number) - value) * 2, unit) << value.get_str();
        }
        expectConsistent(number, value.get_str());
    }
}

}  // namespace
}  // namespace rowsweep
