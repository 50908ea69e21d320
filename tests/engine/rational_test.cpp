#include "rowsweep/engine/rational.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <cmath>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "rational_gmp.h"

namespace rowsweep {
namespace {

using detail::RationalGmp;

bool fitsWords(const mpq_class& value)
{
    return value.get_num().fits_slong_p() && value.get_num() != LONG_MIN && value.get_den().fits_slong_p();
}

// The same value as GMP's, in lowest terms with a positive denominator,
// and in machine words exactly when both parts fit them.
void expectSame(const Rational& value, const mpq_class& expected, const std::string& what)
{
    ASSERT_EQ(value.inWords().has_value(), fitsWords(expected)) << what << " = " << expected.get_str();
    if (const std::optional<Rational::Words> words = value.inWords()) {
        ASSERT_EQ(words->numerator, expected.get_num().get_si()) << what << " = " << expected.get_str();
        ASSERT_EQ(words->denominator, expected.get_den().get_si()) << what << " = " << expected.get_str();
    } else {
        ASSERT_EQ(RationalGmp::gmpValue(value), expected) << what;
    }
    ASSERT_EQ(value.sign(), sgn(expected)) << what;
    ASSERT_EQ(value.isZero(), expected == 0) << what;
    ASSERT_EQ(value.isInteger(), expected.get_den() == 1) << what;
    // The nearest double: neither neighbour lies closer, and a tie goes to
    // the even one.
    const double near = value.toDouble();
    const mpq_class distance = abs(expected - mpq_class(near));
    int power = 0;
    const double mantissa = std::ldexp(std::frexp(near, &power), std::numeric_limits<double>::digits);
    for (const double towards : {-INFINITY, INFINITY}) {
        const mpq_class other = abs(expected - mpq_class(std::nextafter(near, towards)));
        ASSERT_TRUE(distance < other || (distance == other && std::fmod(mantissa, 2) == 0))
            << what << " = " << expected.get_str() << " as " << near;
    }
}

// Numerators and denominators around the ends of a machine word, and
// products of two that outgrow it by a bit or by a word.
class NearTheLimits {
public:
    Rational next(mpq_class& expected)
    {
        const long long numerator = word();
        long long denominator = 0;
        while (denominator == 0)
            denominator = word();
        Rational value(numerator, denominator);
        expected = mpq_class(mpz_class(static_cast<long>(numerator)), mpz_class(static_cast<long>(denominator)));
        expected.canonicalize();
        if (random_() % 3 == 0) {
            mpq_class factor;
            value = value * next(factor);
            expected *= factor;
        }
        return value;
    }

private:
    long long word()
    {
        static constexpr long long kEdges[] = {0, 1, -1, 2, 3, 6, LLONG_MAX, LLONG_MAX - 1, LLONG_MIN, LLONG_MIN + 1,
                                               1LL << 62, -(1LL << 62), 3037000499, 3037000500, -3037000500,
                                               4294967295, 4294967296, 9007199254740993};
        switch (random_() % 4) {
        case 0:
            return kEdges[random_() % std::size(kEdges)];
        case 1:
            return kEdges[random_() % std::size(kEdges)] / static_cast<long long>(random_() % 7 + 1);
        case 2:
            return static_cast<long long>(random_() % 41) - 20;
        default:
            return static_cast<long long>(random_()) >> (random_() % 64);
        }
    }

    std::mt19937_64 random_{20261209};
};

TEST(Rational, AgreesWithGmpAroundTheMachineWordLimits)
{
    NearTheLimits values;
    int movedToGmp = 0;
    int movedBack = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        mpq_class a;
        mpq_class b;
        const Rational x = values.next(a);
        const Rational y = values.next(b);
        const std::string pair = " of " + a.get_str() + " and " + b.get_str();
        ASSERT_NO_FATAL_FAILURE(expectSame(x, a, "the first" + pair));
        ASSERT_EQ(x == y, a == b) << pair;
        ASSERT_EQ(x <=> y, cmp(a, b) <=> 0) << pair;
        std::vector<std::tuple<const char*, Rational, mpq_class>> results{
            {"sum", x + y, a + b}, {"difference", x - y, a - b}, {"product", x * y, a * b},
            {"negation", -x, -a},  {"size", abs(x), abs(a)},     {"difference with itself", x - x, 0}};
        if (b != 0) {
            results.emplace_back("quotient", x / y, a / b);
            results.emplace_back("reciprocal", y.reciprocal(), 1 / b);
        }
        for (const auto& [what, result, expected] : results) {
            ASSERT_NO_FATAL_FAILURE(expectSame(result, expected, what + pair));
            movedToGmp += x.inWords() && y.inWords() && !result.inWords();
            movedBack += (!x.inWords() || !y.inWords()) && result.inWords();
        }
    }
    EXPECT_GT(movedToGmp, 2000);
    EXPECT_GT(movedBack, 500);
}

// -2^63, whole or reached by a sum or difference, is never held in machine
// words, where its sign could not change.
TEST(Rational, Minus2To63IsNeverHeldInMachineWords)
{
    const Rational quarter(-(1LL << 62));
    const Rational twoTo63 = Rational(1LL << 62) * Rational(2);
    for (const Rational& reached : {Rational(LLONG_MIN), quarter + quarter, quarter - Rational(1LL << 62)}) {
        EXPECT_FALSE(reached.inWords());
        EXPECT_EQ(-reached, twoTo63);
    }
}

TEST(Rational, RefusesAZeroDenominatorAndSharesItsGmpValue)
{
    EXPECT_THROW(Rational(1, 0), std::domain_error);
    EXPECT_THROW(static_cast<void>(Rational(3) / Rational()), std::domain_error);
    EXPECT_THROW(static_cast<void>(Rational().reciprocal()), std::domain_error);

    Rational big = Rational(LLONG_MAX) * 4;
    const Rational copy = big;
    big += 1;
    EXPECT_EQ(RationalGmp::gmpValue(copy), mpq_class(mpz_class(LONG_MAX) * 4));
    EXPECT_EQ(big - copy, 1);
    EXPECT_EQ((big - copy).inWords()->denominator, 1);
}

}  // namespace
}  // namespace rowsweep
