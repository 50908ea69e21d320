#include "rowsweep/engine/exact_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
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

const char* const kStageNames[kStageCount] = {"Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"};

mpq_class exact(const char* text)
{
    return parseExactCellText(text, true).value();
}

// As "Solve" reads the input grid exactly: text that is not a number is 0.
ExactMatrix readExact(const Rows& rows)
{
    ExactMatrix matrix;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = parseExactCellText(rows[row][column], true).value_or(0);
    return matrix;
}

Matrix readDouble(const Rows& rows)
{
    Matrix matrix{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = parseCellText(rows[row][column]).value_or(0.0);
    return matrix;
}

TEST(ExactReduce, WorkedExamplesGiveEveryStageAndTheWarning)
{
    for (const auto& example : testing::kExactWorkedExamples) {
        const ExactReduction reduction = reduce(readExact(example.input));

        for (std::size_t stage = 0; stage < kStageCount; ++stage)
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    EXPECT_EQ(formatExactCellText(reduction.stages[stage].matrix[row][column]),
                              example.snapshots[stage][row][column])
                        << example.name << ", " << kStageNames[stage] << ", row " << row << ", column " << column;
        EXPECT_EQ(reduction.thirdRowNotZero, example.warns) << example.name;
    }
}

ExactRowOperation exchange(int a, int b) { return {Kind::Exchange, a, b, 0}; }
ExactRowOperation divide(int row, const char* by) { return {Kind::Divide, row, row, exact(by)}; }
ExactRowOperation subtract(int target, const char* factor, int source, int firstColumn = 0)
{
    return {Kind::SubtractMultiple, target, source, exact(factor), firstColumn};
}
ExactRowOperation addQuotient(int target, int source, const char* by)
{
    return {Kind::AddQuotient, target, source, exact(by)};
}

using StageLists = std::array<std::vector<ExactRowOperation>, kStageCount>;

// Worked by hand from the same inputs; the factors are exact.
const std::map<std::string, StageLists>& expectedOperations()
{
    static const std::map<std::string, StageLists> table{
        {"Dependent",
         {{{divide(0, "3")}, {subtract(1, "2", 0)}, {subtract(2, "5", 0)}, {subtract(0, "1/16", 2)},
           {divide(1, "16/3")}, {subtract(2, "16/3", 1, 1)}}}},
        {"ExchangeWithRow1",
         {{{exchange(0, 1), divide(0, "3"), divide(0, "1")}, {}, {subtract(2, "1", 0)}, {subtract(0, "-1", 2)},
           {divide(1, "2")}, {subtract(2, "-1/3", 1, 1)}}}},
        {"ExchangeWithRow2",
         {{{exchange(0, 2), divide(0, "7"), divide(0, "1")}, {}, {}, {subtract(0, "2/7", 2)}, {divide(1, "3")},
           {subtract(2, "1", 1, 1)}}}},
        {"ColumnZero", {{{}, {}, {}, {subtract(0, "2/5", 2)}, {divide(1, "3")}, {subtract(2, "5", 1, 1)}}}},
        {"ClearsWithRow1",
         {{{divide(0, "2")}, {subtract(1, "1", 0)}, {subtract(2, "4", 0)}, {subtract(0, "3/5", 1)},
           {divide(1, "5/2")}, {}}}},
        {"PivotFromRow2",
         {{{divide(0, "2")}, {subtract(1, "4", 0)}, {subtract(2, "1", 0)}, {subtract(0, "1/5", 2)},
           {addQuotient(1, 2, "5/2")}, {subtract(2, "5/2", 1, 1)}}}},
    };
    return table;
}

TEST(ExactReduce, RecordsTheOperationsEachStageRan)
{
    for (const auto& example : testing::kExactWorkedExamples) {
        const auto expected = expectedOperations().find(example.name);
        ASSERT_NE(expected, expectedOperations().end()) << "no operations worked out for " << example.name;
        const ExactReduction reduction = reduce(readExact(example.input));
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const ExactStageOperations& ran = reduction.stages[stage].operations;
            const std::vector<ExactRowOperation> got(ran.begin(), ran.end());
            EXPECT_EQ(got, expected->second[stage]) << example.name << ", " << kStageNames[stage];
        }
    }
}

TEST(ExactReduce, RecordedOperationsReproduceEveryStage)
{
    std::vector<ExactMatrix> inputs;
    for (const auto& example : testing::kExactWorkedExamples)
        inputs.push_back(readExact(example.input));
    inputs.push_back(readExact({{{"0.1", "1/3", "-2.5e-3", "7", "0", "1e300"},
                                 {"1e-300", "-22/7", "0", "0.125", "3", "4"},
                                 {"5", "0", "1/1000001", "-1", "2", "0"}}}));

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const ExactReduction reduction = reduce(inputs[i]);
        ExactMatrix before = inputs[i];
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const ExactStage& after = reduction.stages[stage];
            EXPECT_EQ(testing::replay(before, after.operations), after.matrix) << "input " << i << ", "
                                                                                << kStageNames[stage];
            before = after.matrix;
        }
    }
}

TEST(ExactReduce, WhatDoublesLeaveAsResidueCancelsExactly)
{
    struct Case {
        const char* name;
        Rows input;
    };
    const Case cases[] = {
        {"dependent rows", testing::kExactWorkedExamples[0].input},
        {"tenths",
         {{{"1", "0", "0", "0", "0", "0.1"}, {"0", "1", "0", "0", "0", "0.2"}, {"1", "1", "0", "0", "0", "0.3"}}}},
        {"sevenths",
         {{{"7", "0", "0", "0", "0", "9"}, {"0", "1", "0", "0", "0", "0"}, {"21", "0", "0", "0", "0", "27"}}}},
    };
    for (const auto& [name, input] : cases) {
        EXPECT_TRUE(reduce(readDouble(input)).thirdRowNotZero) << name;
        const ExactReduction reduction = reduce(readExact(input));
        EXPECT_FALSE(reduction.thirdRowNotZero) << name;
        for (const mpq_class& value : reduction.answer()[2])
            EXPECT_EQ(value, 0) << name;
    }
}

TEST(ExactReduce, WarnsOnAnyNonZeroInTheThirdRow)
{
    // No stage touches row 2 here, so the answer shows it as given; a value
    // far below what a double can hold still counts.
    mpq_class tiny(1);
    mpz_ui_pow_ui(tiny.get_den().get_mpz_t(), 10, 400);
    for (const mpq_class& value : {mpq_class(0), mpq_class(1, 3), mpq_class(-5), tiny}) {
        ExactMatrix input{};
        input[0][0] = 1;
        input[1][1] = 1;
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
    for (const ExactStage& stage : reduction.stages) {
        for (const auto& row : stage.matrix)
            for (const mpq_class& value : row)
                if (!isSmallDyadic(value))
                    return false;
        for (const ExactRowOperation& op : stage.operations)
            if (!isSmallDyadic(op.factor))
                return false;
    }
    return true;
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
    int compared = 0;
    int exchanges = 0;
    int additions = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        Matrix input{};
        ExactMatrix exactInput;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const int value = column < 2 ? pivots[pivot(random)] : entry(random);
                input[row][column] = value;
                exactInput[row][column] = value;
            }
        const ExactReduction exactReduction = reduce(exactInput);
        if (!roundsNowhere(exactReduction))
            continue;
        ++compared;
        const Reduction reduction = reduce(input);
        ASSERT_EQ(reduction.thirdRowNotZero, exactReduction.thirdRowNotZero) << "trial " << trial;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const Stage& inDoubles = reduction.stages[stage];
            const ExactStage& inFractions = exactReduction.stages[stage];
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    ASSERT_EQ(mpq_class(inDoubles.matrix[row][column]), inFractions.matrix[row][column])
                        << "trial " << trial << ", " << kStageNames[stage] << ", row " << row << ", column " << column;
            ASSERT_EQ(inDoubles.operations.size(), inFractions.operations.size()) << "trial " << trial;
            for (std::size_t i = 0; i < inDoubles.operations.size(); ++i) {
                const RowOperation& a = inDoubles.operations[i];
                const ExactRowOperation& b = inFractions.operations[i];
                ASSERT_TRUE(a.kind == b.kind && a.target == b.target && a.source == b.source
                            && a.firstColumn == b.firstColumn && mpq_class(a.factor) == b.factor)
                    << "trial " << trial << ", " << kStageNames[stage] << ", operation " << i;
                exchanges += a.kind == Kind::Exchange;
                additions += a.kind == Kind::AddQuotient;
            }
            ASSERT_EQ(inDoubles.noChange, inFractions.noChange) << "trial " << trial << ", " << kStageNames[stage];
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
        }
        const ExactReduction fast = reduce(input);
        const ExactReduction gmp = detail::reduceInGmpFractions(input);
        ASSERT_EQ(fast.thirdRowNotZero, gmp.thirdRowNotZero) << "trial " << trial;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            ASSERT_EQ(fast.stages[stage].matrix, gmp.stages[stage].matrix) << "trial " << trial << ", " << stage;
            ASSERT_TRUE(fast.stages[stage].operations == gmp.stages[stage].operations) << "trial " << trial;
            ASSERT_EQ(fast.stages[stage].noChange, gmp.stages[stage].noChange) << "trial " << trial;
        }
        withinWords += std::all_of(gmp.stages.begin(), gmp.stages.end(), [](const ExactStage& stage) {
            return std::all_of(stage.matrix.begin(), stage.matrix.end(), [](const auto& row) {
                return std::all_of(row.begin(), row.end(), [](const mpq_class& value) {
                    return mpz_sizeinbase(value.get_num_mpz_t(), 2) < 62 && mpz_sizeinbase(value.get_den_mpz_t(), 2) < 62;
                });
            });
        });
    }
    EXPECT_GT(withinWords, 300);
    EXPECT_LT(withinWords, 2700);
}

}  // namespace
}  // namespace rowsweep
