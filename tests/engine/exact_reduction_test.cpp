#include "rowsweep/engine/reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "exact_worked_examples.h"
#include "rational_gmp.h"
#include "replay.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep {
namespace {

using Kind = RowOperationKind;
using detail::RationalGmp;
using testing::Rows;

// As "Solve" reads the input grid exactly: text that is not a number is 0.
ExactMatrix readExact(const Rows& rows)
{
    ExactMatrix matrix;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = parseExactCellText(rows[row][column], true).value_or(0);
    return matrix;
}

// The snapshots as worked by hand, and what each stage says it did, done
// again by hand on the matrix before it, gives the matrix after it.
TEST(ExactReduce, WorkedExamplesGiveEveryStageAndTheWarning)
{
    std::vector<const testing::ExactWorkedExample*> examples;
    for (const auto& example : testing::kExactWorkedExamples)
        examples.push_back(&example);
    examples.push_back(nullptr);  // no snapshots, only the replay
    for (const testing::ExactWorkedExample* example : examples) {
        const std::string name = example ? example->name : "mixed";
        ExactMatrix before = readExact(example ? example->input
                                               : Rows{{{"0.1", "1/3", "-2.5e-3", "7", "0", "1e300"},
                                                       {"1e-300", "-22/7", "0", "0.125", "3", "4"},
                                                       {"5", "0", "1/1000001", "-1", "2", "0"}}});
        const ExactReduction reduction = reduce(before);
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const ExactStage& after = reduction.stages[stage];
            EXPECT_TRUE(testing::replay(before, after.operations) == after.matrix) << name << ", stage " << stage + 1;
            before = after.matrix;
            for (int row = 0; example && row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    EXPECT_EQ(writtenText(writtenNumber(after.matrix[row][column])), example->snapshots[stage][row][column])
                        << name << ", stage " << stage + 1 << ", row " << row << ", column " << column;
        }
        EXPECT_TRUE(!example || reduction.thirdRowNotZero == example->warns) << name;
    }
}

TEST(ExactReduce, WhatDoublesLeaveAsResidueCancelsExactly)
{
    // Each third row cancels exactly; doubles keep a residue in column 5,
    // which is warned about without tolerance.
    struct Case {
        const char* name;
        Rows input;
        const char* residue;
    };
    const Case cases[] = {
        {"dependent rows", testing::kExactWorkedExamples[0].input, nullptr},
        {"tenths",
         {{{"1", "0", "0", "0", "0", "0.1"}, {"0", "1", "0", "0", "0", "0.2"}, {"1", "1", "0", "0", "0", "0.3"}}},
         "-2.77555756156289e-17"},
        {"sevenths",
         {{{"7", "0", "0", "0", "0", "9"}, {"0", "1", "0", "0", "0", "0"}, {"21", "0", "0", "0", "0", "27"}}},
         "-3.5527136788005e-15"},
    };
    for (const auto& [name, input, residue] : cases) {
        Matrix doubles{};
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                doubles[row][column] = parseCellText(input[row][column]).value_or(0.0);
        const Reduction inDoubles = reduce(doubles);
        EXPECT_TRUE(inDoubles.thirdRowNotZero) << name;
        for (int column = 0; residue && column < kColumns; ++column)
            EXPECT_EQ(writtenText(writtenNumber(inDoubles.answer()[2][column])), column == 5 ? residue : "0") << name;
        const ExactReduction exact = reduce(readExact(input));
        EXPECT_FALSE(exact.thirdRowNotZero) << name;
        for (const Rational& value : exact.answer()[2])
            EXPECT_TRUE(value.isZero()) << name;
    }

    // No stage touches row 2 here; a value far below what a double can
    // hold still warns.
    Rational tiny(1);
    for (int power = 0; power < 400; ++power)
        tiny /= 10;
    for (const Rational& value : {Rational(0), Rational(-5), tiny}) {
        ExactMatrix input{};
        input[0][0] = input[1][1] = 1;
        input[2][4] = value;
        EXPECT_EQ(reduce(input).thirdRowNotZero, !value.isZero());
    }
}

// A double that holds the fraction exactly, with room for the products a
// row operation forms on the way.
bool isSmallDyadic(const Rational& value)
{
    const std::optional<Rational::Words> words = value.inWords();
    return words && std::has_single_bit(static_cast<unsigned long long>(words->denominator))
           && words->denominator <= (1LL << 20) && words->numerator < (1LL << 20) && words->numerator > -(1LL << 20);
}

bool roundsNowhere(const ExactReduction& reduction)
{
    return std::all_of(reduction.stages.begin(), reduction.stages.end(), [](const ExactStage& stage) {
        return std::all_of(stage.matrix.begin(), stage.matrix.end(),
                           [](const auto& row) { return std::all_of(row.begin(), row.end(), isSmallDyadic); })
               && std::all_of(stage.operations.begin(), stage.operations.end(),
                              [](const ExactRowOperation& op) { return isSmallDyadic(op.factor); });
    });
}

TEST(ExactReduce, AgreesWithDoublesWhereNothingRounds)
{
    // Small integers with pivots among 0, 1, 2, 4 and 8: whenever every
    // value and factor on the way is a short binary fraction, doubles hold
    // them all exactly, so both arithmetics must give the same matrices,
    // operations, reasons and warning.
    std::mt19937 random(20261207);
    const int pivots[] = {0, 0, 1, -1, 2, -2, 4, -4, 8};
    std::uniform_int_distribution<std::size_t> pivot(0, std::size(pivots) - 1);
    std::uniform_int_distribution<int> entry(-9, 9);
    int compared = 0, exchanges = 0, additions = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        Matrix input{};
        ExactMatrix exactInput;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const int value = column < 2 ? pivots[pivot(random)] : entry(random);
                input[row][column] = value;
                exactInput[row][column] = value;
            }
        const ExactReduction exact = reduce(exactInput);
        if (!roundsNowhere(exact))
            continue;
        ++compared;
        const Reduction reduction = reduce(input);
        ASSERT_EQ(reduction.thirdRowNotZero, exact.thirdRowNotZero) << "trial " << trial;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            SCOPED_TRACE("trial " + std::to_string(trial) + ", stage " + std::to_string(stage + 1));
            const Stage& inDoubles = reduction.stages[stage];
            const ExactStage& inFractions = exact.stages[stage];
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    ASSERT_EQ(inDoubles.matrix[row][column], inFractions.matrix[row][column].toDouble());
            ASSERT_EQ(inDoubles.operations.size(), inFractions.operations.size());
            for (std::size_t i = 0; i < inDoubles.operations.size(); ++i) {
                const RowOperation& a = inDoubles.operations[i];
                const ExactRowOperation& b = inFractions.operations[i];
                ASSERT_TRUE(a.kind == b.kind && a.target == b.target && a.source == b.source
                            && a.firstColumn == b.firstColumn && a.factor == b.factor.toDouble())
                    << "operation " << i;
                exchanges += a.kind == Kind::Exchange;
                additions += a.kind == Kind::AddQuotient;
            }
            ASSERT_EQ(inDoubles.noChange, inFractions.noChange);
        }
    }
    EXPECT_GT(compared, 1500);
    EXPECT_GT(exchanges, 100);
    EXPECT_GT(additions, 100);
}

BasicMatrix<mpq_class> inGmp(const ExactMatrix& matrix)
{
    return entryWise(matrix, [](const Rational& value) { return RationalGmp::gmpValue(value); });
}

TEST(ExactReduce, EveryStageIsGmpsToTheBitNearTheWordLimits)
{
    // Entries from a few bits to the edges of a 64-bit word, fractions
    // among them: many stay within machine words to the end, many outgrow
    // them halfway. What each stage says it ran, done again in GMP's own
    // fractions on the stage before, gives the stage.
    std::mt19937_64 random(20261208);
    const long long edges[] = {LLONG_MAX, LLONG_MIN, LLONG_MIN + 1, 1LL << 62, 3037000499, 3037000500};
    int withinWords = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::uniform_int_distribution<int> bits(1, 1 + trial % 66);
        ExactMatrix input;
        for (auto& row : input)
            for (Rational& entry : row) {
                const int size = bits(random);
                long long numerator = size > 64 ? edges[random() % std::size(edges)]
                                                : static_cast<long long>(random() >> (64 - size));
                if (random() % 2 && numerator != LLONG_MIN)
                    numerator = -numerator;
                const long long denominator =
                    random() % 3 ? 1 : static_cast<long long>(random() >> (64 - std::max(1, size / 2))) + 1;
                entry = random() % 5 == 0 ? Rational() : Rational(numerator, denominator);
            }
        if (trial == 0) {
            // Stage 2 forms 2 * -2^62, the one product whose sign cannot change.
            input = ExactMatrix{};
            input[0][0] = input[0][2] = 1;
            input[0][1] = -(1LL << 62);
            input[1][0] = 2;
        } else if (trial == 1) {
            // Stage 6 forms it as the last number of all, which nothing after would catch.
            input = ExactMatrix{};
            input[0][0] = input[1][1] = 1;
            input[1][5] = -(1LL << 62);
            input[2][1] = 2;
        }
        const ExactReduction reduction = reduce(input);
        BasicMatrix<mpq_class> before = inGmp(input);
        bool inWords = true;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            BasicStageOperations<mpq_class> operations;
            for (const ExactRowOperation& op : reduction.stages[stage].operations)
                operations.add({op.kind, op.target, op.source, RationalGmp::gmpValue(op.factor), op.firstColumn});
            const BasicMatrix<mpq_class> after = inGmp(reduction.stages[stage].matrix);
            ASSERT_EQ(testing::replay(before, operations), after) << "trial " << trial << ", stage " << stage + 1;
            before = after;
            for (const auto& row : reduction.stages[stage].matrix)
                inWords = inWords && std::all_of(row.begin(), row.end(), [](const Rational& v) { return v.inWords(); });
        }
        ASSERT_EQ(reduction.thirdRowNotZero, std::any_of(before[2].begin(), before[2].end(), [](const mpq_class& v) {
                      return v != 0;
                  })) << "trial " << trial;
        withinWords += inWords;
    }
    EXPECT_GT(withinWords, 300);
    EXPECT_LT(withinWords, 2700);
}

}  // namespace
}  // namespace rowsweep
