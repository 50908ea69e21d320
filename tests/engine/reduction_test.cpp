#include "rowsweep/engine/reduction.h"

#include <gtest/gtest.h>

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

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const char* const kStageNames[kStageCount] = {"Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"};

std::string written(double value)
{
    return writtenText(writtenNumber(value));
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
const std::map<std::string, StageLists> kExpectedOperations{
    {"Sample",
     {{{divide(0, 1)}, {subtract(1, 4, 0)}, {subtract(2, 3, 0)}, {subtract(0, -2, 2)}, {divide(1, 1)},
       {subtract(2, 1, 1, 1)}}}},
    {"AllEmpty", {}},
    {"ExchangesFirstTwoRows",
     {{{exchange(0, 1), divide(0, 2), divide(0, 1)}, {}, {subtract(2, 1, 0)}, {subtract(0, -2, 2)}, {divide(1, 1)},
       {subtract(2, -1, 1, 1)}}}},
    {"ExchangesFirstAndLastRow", {{{exchange(0, 2), divide(0, 3), divide(0, 1)}, {}, {}, {}, {}, {}}}},
    {"FirstColumnZero", {{{}, {}, {}, {subtract(0, 1.0 / 3.0, 2)}, {divide(1, 2)}, {subtract(2, 3, 1, 1)}}}},
    {"ThirdRowLeftNonZero", {{{divide(0, 1)}, {}, {}, {}, {divide(1, 1)}, {}}}},
    {"SecondPivotFromRowTwo", {{{divide(0, 1)}, {}, {}, {}, {addQuotient(1, 2, 4)}, {subtract(2, 4, 1, 1)}}}},
    {"ClearsWithRowOne", {{{divide(0, 1)}, {}, {}, {subtract(0, 2, 1)}, {divide(1, 1)}, {}}}},
    {"ClearsWithBothRows",
     {{{divide(0, 1)}, {}, {}, {subtract(0, 0.7 / 0.3, 2), subtract(0, -1.1102230246251565e-16, 1)}, {divide(1, 1)},
       {subtract(2, 0.3, 1, 1)}}}},
};

// Each stage's snapshot, the operations it ran, and the warning, as worked by
// hand; and what a stage says it did, done again by hand on the matrix
// before it, gives the matrix after it to the last bit.
TEST(Reduce, WorkedExamplesGiveEveryStageItsOperationsAndTheWarning)
{
    for (const auto& example : testing::kWorkedExamples) {
        Matrix before{};
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                before[row][column] = parseCellText(example.input[row][column]).value_or(0.0);
        const Reduction reduction = reduce(before);
        const StageLists& operations = kExpectedOperations.at(example.name);
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            SCOPED_TRACE(std::string(example.name) + ", " + kStageNames[stage]);
            const Stage& after = reduction.stages[stage];
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    EXPECT_EQ(written(after.matrix[row][column]), example.snapshots[stage][row][column])
                        << "row " << row << ", column " << column;
            EXPECT_EQ(std::vector<RowOperation>(after.operations.begin(), after.operations.end()), operations[stage]);
            const Matrix replayed = testing::replay(before, after.operations);
            EXPECT_EQ(std::memcmp(&replayed, &after.matrix, sizeof replayed), 0);
            before = after.matrix;
        }
        EXPECT_EQ(reduction.thirdRowNotZero, example.warns) << example.name;
    }
}

TEST(Reduce, WarnsWhenTheThirdRowAsWrittenIsNotZero)
{
    // Rows 0 and 1 already hold their pivots and row 2 has 0 in columns 0
    // and 1, so no stage touches row 2: the answer shows it as given.
    const std::pair<double, bool> cases[] = {{0.0, false},      {-0.0, false},      {kNaN, true},
                                             {kInfinity, true}, {-kInfinity, true}, {1e-16, true},
                                             {std::numeric_limits<double>::denorm_min(), true}};
    for (const auto& [value, warns] : cases)
        for (int column = 2; column < kColumns; ++column) {
            Matrix input{{{1, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0}}};
            input[2][column] = value;
            EXPECT_EQ(reduce(input).thirdRowNotZero, warns) << value << " in column " << column;
        }
}

TEST(Reduce, OverflowAndNaNFollowTheirRules)
{
    // Stage 3 overflows column 1 of row 2 to infinity; stage 6 then scales
    // by it but leaves column 0, which stays 0 rather than 0 * infinity.
    // Column 1 of row 0 becomes NaN in stage 4 (-1e308 - infinity * -0);
    // as zero, it keeps the second clearing of stage 4 from running.
    struct Case {
        Matrix input;
        int stage, row, column;
        const char* text;
    };
    const Matrix overflow{{{1, -1e308, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 7}, {2, 1e308, 0, 0, 0, 0}}};
    const Case cases[] = {
        {overflow, 2, 2, 1, "Infinity"}, {overflow, 3, 0, 1, "NaN"},   {overflow, 3, 0, 5, "0"},
        {overflow, 5, 2, 0, "0"},        {overflow, 5, 2, 2, "NaN"},   {overflow, 5, 1, 5, "7"},
        {{{{0, 2, 1, 0, 0, 1}, {kInfinity, 1, 0, 0, 0, 0}, {5, 0, 0, 3, 0, 2}}}, 0, 0, 0, "1"},
        {{{{kNaN, 3, 1, 0, 0, 1}, {0, 0, 0, 0, 0, 0}, {-0.0, 7, 1e-300, 0, 0, 2}}}, 0, 0, 0, "NaN"},
    };
    for (const auto& [input, stage, row, column, text] : cases) {
        const Reduction reduction = reduce(input);
        EXPECT_EQ(written(reduction.stages[stage].matrix[row][column]), text)
            << kStageNames[stage] << ", row " << row << ", column " << column;
        Matrix before = input;
        for (const Stage& after : reduction.stages) {
            const Matrix replayed = testing::replay(before, after.operations);
            EXPECT_EQ(std::memcmp(&replayed, &after.matrix, sizeof replayed), 0);
            before = after.matrix;
        }
    }
    EXPECT_EQ(reduce(overflow).stages[3].operations.size(), 1u);
    EXPECT_TRUE(reduce(overflow).thirdRowNotZero);
}

}  // namespace
}  // namespace rowsweep
