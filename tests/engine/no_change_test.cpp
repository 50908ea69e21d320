#include "rowsweep/engine/no_change.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/reduction.h"
#include "worked_examples.h"

namespace rowsweep {
namespace {

using Reasons = std::array<std::optional<NoChange>, kStageCount>;

constexpr auto none = std::nullopt;
constexpr NoChange kColumnZero = NoChange::columnHasNoNonZero(0);
constexpr NoChange kTopIsOne = NoChange::alreadyOne(0, 0);
constexpr NoChange kRow1Cleared = NoChange::alreadyZero(1, 0);
constexpr NoChange kRow2Cleared = NoChange::alreadyZero(2, 0);
constexpr NoChange kTopOfColumn1Zero = NoChange::alreadyZero(0, 1);
constexpr NoChange kNothingBelowInColumn1 = NoChange::rowsHaveZero(1, 2, 1);
constexpr NoChange kSecondPivotIsOne = NoChange::alreadyOne(1, 1);
constexpr NoChange kRow2ClearedInColumn1 = NoChange::alreadyZero(2, 1);

Reasons reasonsOf(const auto& reduction)
{
    Reasons reasons;
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        reasons[stage] = reduction.stages[stage].noChange;
    return reasons;
}

// The same reasons in both arithmetics: the inputs are integers whose
// tests come out alike.
TEST(NoChange, EachStageGivesTheReasonItsTestsFound)
{
    const std::pair<testing::Rows, Reasons> cases[] = {
        {testing::kSampleInput, {kTopIsOne, none, none, none, kSecondPivotIsOne, none}},
        {{{{"0", "2", "1", "0", "0", "1"}, {"0", "3", "1", "0", "1", "0"}, {"0", "5", "0", "1", "0", "2"}}},
         {kColumnZero, kRow1Cleared, kRow2Cleared, none, none, none}},
        // An exchange, then a division by 1.
        {{{{"0", "2", "1", "0", "0", "1"}, {"3", "1", "0", "2", "0", "0"}, {"1", "0", "1", "0", "1", "0"}}},
         {none, kRow1Cleared, none, none, none, none}},
        {{{{"1", "2", "0", "0", "0", "1"}, {"0", "0", "1", "0", "0", "0"}, {"0", "0", "0", "1", "0", "0"}}},
         {kTopIsOne, kRow1Cleared, kRow2Cleared, kNothingBelowInColumn1, kNothingBelowInColumn1,
          kRow2ClearedInColumn1}},
        {testing::worked::kIdentityLike,
         {kTopIsOne, kRow1Cleared, kRow2Cleared, kTopOfColumn1Zero, kSecondPivotIsOne, kRow2ClearedInColumn1}},
        {{{{"2", "0", "0", "0", "0", "1"}, {"0", "4", "0", "0", "0", "2"}, {"0", "0", "1", "0", "0", "3"}}},
         {none, kRow1Cleared, kRow2Cleared, kTopOfColumn1Zero, none, kRow2ClearedInColumn1}},
    };
    int i = 0;
    for (const auto& [input, reasons] : cases) {
        Matrix doubles{};
        ExactMatrix fractions;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                doubles[row][column] = parseCellText(input[row][column]).value_or(0.0);
                fractions[row][column] = parseExactCellText(input[row][column], true).value_or(0);
            }
        EXPECT_EQ(reasonsOf(reduce(doubles)), reasons) << "case " << i << ", in doubles";
        EXPECT_EQ(reasonsOf(reduce(fractions)), reasons) << "case " << i++ << ", in fractions";
    }

    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const Matrix nanAtTop{{{kNaN, 1, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}}};
    EXPECT_EQ(reduce(nanAtTop).stages[0].noChange, kColumnZero) << "NaN counts as zero";
    const Matrix nanPivot{{{1, 0, 0, 0, 0, 0}, {0, kNaN, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}}};
    EXPECT_EQ(reduce(nanPivot).stages[4].noChange, kNothingBelowInColumn1) << "NaN counts as zero";
}

}  // namespace
}  // namespace rowsweep
