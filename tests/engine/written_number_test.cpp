#include "rowsweep/engine/written_number.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "rational_gmp.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/written_exact.h"
#include "written_pieces.h"

namespace rowsweep {
namespace {

using Kind = WrittenNumber::Kind;
using detail::RationalGmp;

WrittenNumber writtenExactly(const mpq_class& value)
{
    return writtenNumber(RationalGmp::fromGmp(mpq_class(value)));
}

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
    ASSERT_TRUE(number.kind != Kind::Decimal || fromLayout(number) == text) << context << " laid out " << fromLayout(number);
    const std::optional<Rational> read = parseExactCellText(text, true);
    const std::optional<mpq_class> back = read ? std::optional(RationalGmp::gmpValue(*read)) : std::nullopt;
    const mpq_class written = valueOf(number);
    const bool asDoublesRead = back ? *back == written || (*back == 0 && abs(written) < std::numeric_limits<double>::denorm_min())
                                    : abs(written) >= std::numeric_limits<double>::max();
    ASSERT_TRUE(asDoublesRead) << context << " wrote " << text;
}

// An exact value is written as "p" or "p/q" in lowest terms while
// |p| < 10^15 and q <= 1,000,000, otherwise rounded to 15 digits.
TEST(WrittenNumber, PiecesAndTextAtTheBoundaries)
{
    const mpq_class p = powerOfTen(15);
    const mpq_class big(mpz_class("123456789012345678901234567891"));
    const double max = std::numeric_limits<double>::max();
    struct Case {
        WrittenNumber number;
        WrittenNumber pieces;
        const char* text;
    };
    const Case cases[] = {
        {writtenExactly(mpq_class(0)), {Kind::Integer, false, "0", "", 0}, "0"},
        {writtenExactly(p - 1), {Kind::Integer, false, "999999999999999", "", 0}, "999999999999999"},
        {writtenExactly(1 - p), {Kind::Integer, true, "999999999999999", "", 0}, "-999999999999999"},
        {writtenExactly(p), {Kind::Decimal, false, "1", "", 15}, "1e+15"},
        {writtenExactly(-p), {Kind::Decimal, true, "1", "", 15}, "-1e+15"},
        {writtenExactly(-p - 1), {Kind::Decimal, true, "1", "", 15}, "-1e+15"},
        {writtenExactly((p - 1) / 7), {Kind::Fraction, false, "999999999999999", "7", 0}, "999999999999999/7"},
        {writtenExactly(p / 7), {Kind::Decimal, false, "142857142857143", "", 14}, "142857142857143"},
        {writtenExactly(mpq_class(-7, 4)), {Kind::Fraction, true, "7", "4", 0}, "-7/4"},
        {writtenExactly(mpq_class(-1, 1000000)), {Kind::Fraction, true, "1", "1000000", 0}, "-1/1000000"},
        {writtenExactly((1 - p) / 1000000), {Kind::Fraction, true, "999999999999999", "1000000", 0},
         "-999999999999999/1000000"},
        {writtenExactly(mpq_class(-1, 1000001)), {Kind::Decimal, true, "999999000001", "", -7}, "-9.99999000001e-07"},
        {writtenExactly(mpq_class(-2000003, 1000001)), {Kind::Decimal, true, "2000000999999", "", 0},
         "-2.000000999999"},
        {writtenExactly(big / 7), {Kind::Decimal, false, "176366841446208", "", 28}, "1.76366841446208e+28"},
        {writtenExactly(mpq_class(mpz_class(1) << 64)), {Kind::Decimal, false, "184467440737096", "", 19},
         "1.84467440737096e+19"},
        {writtenExactly(mpq_class(1, mpz_class(1) << 64)), {Kind::Decimal, false, "542101086242752", "", -20},
         "5.42101086242752e-20"},
        {writtenExactly(powerOfTen(300)), {Kind::Decimal, false, "1", "", 300}, "1e+300"},
        {writtenExactly(-powerOfTen(600) / 3), {Kind::Decimal, true, "333333333333333", "", 599},
         "-3.33333333333333e+599"},
        {writtenNumber(0.0), {Kind::Decimal, false, "0", "", 0}, "0"},
        {writtenNumber(-0.0), {Kind::Decimal, false, "0", "", 0}, "0"},
        {writtenNumber(-17.0), {Kind::Decimal, true, "17", "", 1}, "-17"},
        {writtenNumber(1e15), {Kind::Decimal, false, "1", "", 15}, "1e+15"},
        {writtenNumber(1.0 / 3), {Kind::Decimal, false, "333333333333333", "", -1}, "0.333333333333333"},
        {writtenNumber(std::numeric_limits<double>::denorm_min()), {Kind::Decimal, false, "494065645841247", "", -324},
         "4.94065645841247e-324"},
        {writtenNumber(-max), {Kind::Decimal, true, "17976931348623157", "", 308}, "-1.7976931348623157e+308"},
        {writtenNumber(1.7976931348623e308), {Kind::Decimal, false, "17976931348623", "", 308},
         "1.7976931348623e+308"},
        {writtenNumber(-std::numeric_limits<double>::infinity()), {Kind::Infinity, true, "", "", 0}, "-Infinity"},
        {writtenNumber(-std::numeric_limits<double>::quiet_NaN()), {Kind::NotANumber, false, "", "", 0}, "NaN"},
    };
    for (const auto& [number, pieces, text] : cases) {
        EXPECT_EQ(piecesOf(number), piecesOf(pieces)) << text;
        EXPECT_EQ(writtenText(number), text);
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

        const WrittenNumber number = writtenExactly(value);
        const bool exact = mpz_cmpabs_ui(value.get_num_mpz_t(), kWrittenNumeratorBound) < 0
                           && cmp(value.get_den(), static_cast<long>(kLargestWrittenDenominator)) <= 0;
        ASSERT_EQ(number.kind != Kind::Decimal, exact) << value.get_str();
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
