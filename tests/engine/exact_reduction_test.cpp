#include "rowsweep/engine/exact_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "exact_worked_examples.h"
#include "replay.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep {
namespace {

using Kind = RowOperationKind;
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
            EXPECT_EQ(testing::replay(before, after.operations), after.matrix) << name << ", stage " << stage + 1;
            before = after.matrix;
            for (int row = 0; example && row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    EXPECT_EQ(formatExactCellText(after.matrix[row][column]), example->snapshots[stage][row][column])
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
        CellTextBuffer buffer;
        for (int column = 0; residue && column < kColumns; ++column)
            EXPECT_EQ(formatCellText(inDoubles.answer()[2][column], buffer), column == 5 ? residue : "0") << name;
        const ExactReduction exact = reduce(readExact(input));
        EXPECT_FALSE(exact.thirdRowNotZero) << name;
        for (const mpq_class& value : exact.answer()[2])
            EXPECT_EQ(value, 0) << name;
    }

    // No stage touches row 2 here; a value far below what a double can
    // hold still warns.
    mpq_class tiny(1);
    mpz_ui_pow_ui(tiny.get_den().get_mpz_t(), 10, 400);
    for (const mpq_class& value : {mpq_class(0), mpq_class(-5), tiny}) {
        ExactMatrix input{};
        input[0][0] = input[1][1] = 1;
        input[2][4] = value;
        EXPECT_EQ(reduce(input).thirdRowNotZero, value != 0) << value.get_str();
    }
}

// A double that holds the fraction exactly, with room for the products a
// row operation forms on the way.
bool isSmallDyadic(const mpq_class& value)
{
    const mpz_class& denominator = value.get_den();
    return mpz_popcount(denominator.get_mpz_t()) == 1 && mpz_sizeinbase(denominator.get_mpz_t(), 2) <= 21
           && mpz_sizeinbase(value.get_num().get_mpz_t(), 2) <= 20;
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
            for (int column = 0; column < kColumns; ++column)
                exactInput[row][column] = input[row][column] = column < 2 ? pivots[pivot(random)] : entry(random);
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
                    ASSERT_EQ(mpq_class(inDoubles.matrix[row][column]), inFractions.matrix[row][column]);
            ASSERT_EQ(inDoubles.operations.size(), inFractions.operations.size());
            for (std::size_t i = 0; i < inDoubles.operations.size(); ++i) {
                const RowOperation& a = inDoubles.operations[i];
                const ExactRowOperation& b = inFractions.operations[i];
                ASSERT_TRUE(a.kind == b.kind && a.target == b.target && a.source == b.source
                            && a.firstColumn == b.firstColumn && mpq_class(a.factor) == b.factor)
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

TEST(ExactReduce, MachineWordsAgreeWithGmpFractions)
{
    // Entries from a few bits to the edges of a 64-bit word, fractions
    // among them: many stay within machine words to the end, many outgrow
    // them halfway, and either way every stage is GMP's to the bit.
    std::mt19937_64 random(20261208);
    const mpz_class edges[] = {mpz_class(LONG_MAX), mpz_class(LONG_MIN), mpz_class(LONG_MIN) + 1,
                               mpz_class(1) << 62, mpz_class(3037000499L), mpz_class(3037000500L)};
    const auto inWords = [](const mpq_class& value) {
        return mpz_sizeinbase(value.get_num_mpz_t(), 2) < 62 && mpz_sizeinbase(value.get_den_mpz_t(), 2) < 62;
    };
    int withinWords = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::uniform_int_distribution<int> bits(1, 1 + trial % 66);
        ExactMatrix input;
        for (auto& row : input)
            for (mpq_class& entry : row) {
                const int size = bits(random);
                mpz_class numerator = size > 64 ? edges[random() % std::size(edges)]
                                                : mpz_class(static_cast<long>(random() >> (64 - size)));
                if (random() % 2)
                    numerator = -numerator;
                const long denominator = random() % 3 ? 1 : static_cast<long>(random() >> (64 - std::max(1, size / 2))) + 1;
                entry = mpq_class(numerator, denominator);
                entry.canonicalize();
                if (random() % 5 == 0)
                    entry = 0;
            }
        if (trial == 0) {
            // Stage 2 forms 2 * -2^62, the one product whose sign cannot change.
            input = ExactMatrix{};
            input[0][0] = input[0][2] = 1;
            input[0][1] = mpq_class(mpz_class(-1) << 62);
            input[1][0] = 2;
        } else if (trial == 1) {
            // Stage 6 forms it as the last number of all, which nothing after would catch.
            input = ExactMatrix{};
            input[0][0] = input[1][1] = 1;
            input[1][5] = mpq_class(mpz_class(-1) << 62);
            input[2][1] = 2;
        }
        const ExactReduction fast = reduce(input);
        const ExactReduction gmp = detail::reduceInGmpFractions(input);
        ASSERT_EQ(fast.thirdRowNotZero, gmp.thirdRowNotZero) << "trial " << trial;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            ASSERT_EQ(fast.stages[stage].matrix, gmp.stages[stage].matrix) << "trial " << trial << ", " << stage;
            ASSERT_TRUE(fast.stages[stage].operations == gmp.stages[stage].operations) << "trial " << trial;
            ASSERT_EQ(fast.stages[stage].noChange, gmp.stages[stage].noChange) << "trial " << trial;
        }
        withinWords += std::all_of(gmp.stages.begin(), gmp.stages.end(), [&](const ExactStage& stage) {
            return std::all_of(stage.matrix.begin(), stage.matrix.end(),
                               [&](const auto& row) { return std::all_of(row.begin(), row.end(), inWords); });
        });
    }
    EXPECT_GT(withinWords, 300);
    EXPECT_LT(withinWords, 2700);
}

}  // namespace
}  // namespace rowsweep
