#include "rowsweep/engine/reduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "replay.h"
#include "rowsweep/engine/cell_text.h"
#include "worked_examples.h"

namespace rowsweep {
namespace {

using Kind = RowOperation::Kind;
using testing::Rows;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const char* const kStageNames[kStageCount] = {"Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"};

// As "Solve" reads the input grid: a cell that is not a number counts as 0.
Matrix read(const Rows& rows)
{
    Matrix matrix{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = parseCellText(rows[row][column]).value_or(0.0);
    return matrix;
}

std::string written(double value)
{
    CellTextBuffer buffer;
    return std::string(formatCellText(value, buffer));
}

bool sameBits(const Matrix& a, const Matrix& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Reduce, WorkedExamplesGiveEveryStageAndTheWarning)
{
    for (const auto& example : testing::kWorkedExamples) {
        const Reduction reduction = reduce(read(example.input));

        for (std::size_t stage = 0; stage < kStageCount; ++stage)
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    EXPECT_EQ(written(reduction.stages[stage].matrix[row][column]),
                              example.snapshots[stage][row][column])
                        << example.name << ", " << kStageNames[stage] << ", row " << row << ", column " << column;
        EXPECT_EQ(reduction.thirdRowNotZero, example.warns) << example.name;
    }
}

RowOperation exchange(int a, int b) { return {Kind::Exchange, a, b, 0.0}; }
RowOperation divide(int row, double by) { return {Kind::Divide, row, row, by}; }
RowOperation subtract(int target, double factor, int source, int firstColumn = 0)
{
    return {Kind::SubtractMultiple, target, source, factor, firstColumn};
}
RowOperation addQuotient(int target, int source, double by) { return {Kind::AddQuotient, target, source, by}; }

using StageLists = std::array<std::vector<RowOperation>, kStageCount>;

// Worked by hand, stage by stage, from the same inputs.
const std::map<std::string, StageLists>& expectedOperations()
{
    static const std::map<std::string, StageLists> table{
        {"Sample",
         {{{divide(0, 1)}, {subtract(1, 4, 0)}, {subtract(2, 3, 0)}, {subtract(0, -2, 2)}, {divide(1, 1)},
           {subtract(2, 1, 1, 1)}}}},
        {"AllEmpty", {}},
        {"ExchangesFirstTwoRows",
         {{{exchange(0, 1), divide(0, 2), divide(0, 1)}, {}, {subtract(2, 1, 0)}, {subtract(0, -2, 2)},
           {divide(1, 1)}, {subtract(2, -1, 1, 1)}}}},
        {"ExchangesFirstAndLastRow", {{{exchange(0, 2), divide(0, 3), divide(0, 1)}, {}, {}, {}, {}, {}}}},
        {"FirstColumnZero", {{{}, {}, {}, {subtract(0, 1.0 / 3.0, 2)}, {divide(1, 2)}, {subtract(2, 3, 1, 1)}}}},
        {"ThirdRowLeftNonZero", {{{divide(0, 1)}, {}, {}, {}, {divide(1, 1)}, {}}}},
        {"SecondPivotFromRowTwo",
         {{{divide(0, 1)}, {}, {}, {}, {addQuotient(1, 2, 4)}, {subtract(2, 4, 1, 1)}}}},
        {"ClearsWithRowOne", {{{divide(0, 1)}, {}, {}, {subtract(0, 2, 1)}, {divide(1, 1)}, {}}}},
        {"ClearsWithBothRows",
         {{{divide(0, 1)},
           {},
           {},
           {subtract(0, 0.7 / 0.3, 2), subtract(0, -1.1102230246251565e-16, 1)},
           {divide(1, 1)},
           {subtract(2, 0.3, 1, 1)}}}},
    };
    return table;
}

TEST(Reduce, RecordsTheOperationsEachStageRan)
{
    for (const auto& example : testing::kWorkedExamples) {
        const auto expected = expectedOperations().find(example.name);
        ASSERT_NE(expected, expectedOperations().end()) << "no operations worked out for " << example.name;
        const Reduction reduction = reduce(read(example.input));
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const StageOperations& ran = reduction.stages[stage].operations;
            const std::vector<RowOperation> got(ran.begin(), ran.end());
            EXPECT_EQ(got, expected->second[stage]) << example.name << ", " << kStageNames[stage];
        }
    }
}

// What a stage says it did, done again by hand on the matrix before it,
// must give the matrix after it, to the last bit, NaN and infinities
// included.
TEST(Reduce, RecordedOperationsReproduceEveryStage)
{
    std::vector<Matrix> inputs;
    for (const auto& example : testing::kWorkedExamples)
        inputs.push_back(read(example.input));
    inputs.push_back({{{1, -1e308, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 7}, {2, 1e308, 0, 0, 0, 0}}});
    inputs.push_back({{{0, 2, 1, 0, 0, 1}, {kInfinity, 1, 0, 0, 0, 0}, {5, 0, 0, 3, 0, 2}}});
    inputs.push_back({{{kNaN, 3, 1, 0, 0, 1}, {0, 0, 0, 0, 0, 0}, {-0.0, 7, 1e-300, 0, 0, 2}}});

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const Reduction reduction = reduce(inputs[i]);
        Matrix before = inputs[i];
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            const Stage& after = reduction.stages[stage];
            EXPECT_TRUE(sameBits(testing::replay(before, after.operations), after.matrix))
                << "input " << i << ", " << kStageNames[stage];
            before = after.matrix;
        }
    }
}

TEST(Reduce, WarnsWhenTheThirdRowAsWrittenIsNotZero)
{
    // Rows 0 and 1 already hold their pivots and row 2 has 0 in columns 0
    // and 1, so no stage touches row 2: the answer shows it as given.
    struct Case {
        const char* name;
        double value;
        bool warns;
    };
    const Case cases[] = {
        {"zero", 0.0, false},
        {"minus zero", -0.0, false},
        {"NaN", kNaN, true},
        {"infinity", kInfinity, true},
        {"minus infinity", -kInfinity, true},
        {"residue", 1e-16, true},
        {"smallest denormal", std::numeric_limits<double>::denorm_min(), true},
    };
    for (const auto& [name, value, warns] : cases) {
        for (int column = 2; column < kColumns; ++column) {
            Matrix input{{{1, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0}}};
            input[2][column] = value;
            const Reduction reduction = reduce(input);
            EXPECT_EQ(reduction.thirdRowNotZero, warns) << name << " in column " << column;
        }
    }
}

TEST(Reduce, ResidueInTheThirdRowWarns)
{
    // Each third row cancels in exact arithmetic; in double arithmetic
    // column 5 keeps a residue, which is warned about without tolerance.
    struct Residue {
        const char* name;
        Rows input;
        const char* left;
    };
    const Residue residues[] = {
        {"tenths",
         {{{"1", "0", "0", "0", "0", "0.1"}, {"0", "1", "0", "0", "0", "0.2"}, {"1", "1", "0", "0", "0", "0.3"}}},
         "-2.77555756156289e-17"},
        {"sevenths",
         {{{"7", "0", "0", "0", "0", "9"}, {"0", "1", "0", "0", "0", "0"}, {"21", "0", "0", "0", "0", "27"}}},
         "-3.5527136788005e-15"},
    };
    for (const auto& [name, input, left] : residues) {
        const Reduction reduction = reduce(read(input));
        EXPECT_TRUE(reduction.thirdRowNotZero) << name;
        const auto& thirdRow = reduction.answer()[2];
        for (int column = 0; column < kColumns - 1; ++column)
            EXPECT_EQ(written(thirdRow[column]), "0") << name << ", column " << column;
        EXPECT_EQ(written(thirdRow[5]), left) << name;
    }
}

TEST(Reduce, InfiniteFactorLeavesColumnZeroOfRowTwo)
{
    // Stage 3 overflows column 1 of row 2 to infinity; stage 6 then scales
    // by that infinity but must not touch column 0, which stays 0 rather
    // than turning into 0 * infinity = NaN.
    const Reduction reduction = reduce(read({{{"1", "-1e308", "0", "0", "0", "0"},
                                              {"0", "1", "0", "0", "0", "0"},
                                              {"2", "1e308", "0", "0", "0", "0"}}}));

    EXPECT_TRUE(reduction.thirdRowNotZero);
    EXPECT_EQ(written(reduction.stages[2].matrix[2][1]), "Infinity");
    const Rows answer{{{"1", "NaN", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "0"}, {"0", "NaN", "NaN", "NaN", "NaN", "NaN"}}};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            EXPECT_EQ(written(reduction.answer()[row][column]), answer[row][column]) << row << ", " << column;
}

TEST(Reduce, NaNCountsAsZeroInLaterTests)
{
    // Column 1 of row 0 becomes NaN in stage 4 (-1e308 - infinity * -0);
    // as zero, it keeps the second clearing of stage 4 from running even
    // though row 1 has a 1 in column 1, so column 5 of row 0 stays 0.
    const Reduction reduction = reduce(read({{{"1", "-1e308", "0", "0", "0", "0"},
                                              {"0", "1", "0", "0", "0", "7"},
                                              {"2", "1e308", "0", "0", "0", "0"}}}));

    EXPECT_EQ(written(reduction.stages[3].matrix[0][1]), "NaN");
    EXPECT_EQ(written(reduction.stages[3].matrix[0][5]), "0");
    EXPECT_EQ(reduction.stages[3].operations.size(), 1u);
}

TEST(ReadsBackAsZero, AgreesWithTheWrittenText)
{
    const double values[] = {0.0,       -0.0,       1e-16, -1e-300, std::numeric_limits<double>::denorm_min(),
                             kInfinity, -kInfinity, kNaN,  1.0,     std::numeric_limits<double>::max()};
    for (const double value : values) {
        const auto readBack = parseCellText(written(value));
        EXPECT_EQ(readsBackAsZero(value), readBack.has_value() && isZero(*readBack)) << written(value);
    }
}

}  // namespace
}  // namespace rowsweep
