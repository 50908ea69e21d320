// What each stage is said to have done, worked out by hand for the worked
// examples and a few more inputs, so that every branch of every stage and
// every reason for "No change" is read at least once.

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cell_rows.h"
#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/stage_explanation.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/written_stage.h"

namespace rowsweep::steps::testing {
namespace {

using StageLines = std::array<QStringList, kStageCount>;

const QString kColumnOneKept = QStringLiteral("Column 1 of row 3 is left as it was");

QString noChange(const char* reason)
{
    return QStringLiteral("No change: ") + QString::fromUtf8(reason);
}

struct Explained {
    std::string name;
    Rows input;
    bool warns;
    StageLines lines;
};

std::vector<Explained> explainedExamples()
{
    const QString firstHasOne = noChange("row 1 already has 1 in column 1");
    const QString secondClear = noChange("row 2 already has 0 in column 1");
    const QString thirdClear = noChange("row 3 already has 0 in column 1");
    const QString topClear = noChange("row 1 already has 0 in column 2");
    const QString nothingBelow = noChange("rows 2 and 3 have 0 in column 2");
    const QString secondHasOne = noChange("row 2 already has 1 in column 2");
    const QString lastClear = noChange("row 3 already has 0 in column 2");

    const std::map<std::string, StageLines> byHand{
        {"Sample",
         {{{firstHasOne},
           {"Subtract 4 × row 1 from row 2"},
           {"Subtract 3 × row 1 from row 3"},
           {"Add 2 × row 3 to row 1"},
           {secondHasOne},
           {"Subtract row 2 from row 3", kColumnOneKept}}}},
        {"AllEmpty",
         {{{noChange("column 1 has no entry other than 0")}, {secondClear}, {thirdClear}, {topClear}, {nothingBelow},
           {lastClear}}}},
        {"ExchangesFirstTwoRows",
         {{{"Exchange rows 1 and 2", "Divide row 1 by 2"},
           {secondClear},
           {"Subtract row 1 from row 3"},
           {"Add 2 × row 3 to row 1"},
           {secondHasOne},
           {"Add row 2 to row 3", kColumnOneKept}}}},
        {"ExchangesFirstAndLastRow",
         {{{"Exchange rows 1 and 3", "Divide row 1 by 3"}, {secondClear}, {thirdClear}, {topClear}, {nothingBelow},
           {lastClear}}}},
        {"FirstColumnZero",
         {{{noChange("column 1 has no entry other than 0")},
           {secondClear},
           {thirdClear},
           {"Subtract 0.333333333333333 × row 3 from row 1"},
           {"Divide row 2 by 2"},
           {"Subtract 3 × row 2 from row 3", kColumnOneKept}}}},
        {"ThirdRowLeftNonZero", {{{firstHasOne}, {secondClear}, {thirdClear}, {topClear}, {secondHasOne}, {lastClear}}}},
        {"SecondPivotFromRowTwo",
         {{{firstHasOne},
           {secondClear},
           {thirdClear},
           {topClear},
           {"Add row 3 divided by 4 to row 2"},
           {"Subtract 4 × row 2 from row 3", kColumnOneKept}}}},
        {"ClearsWithRowOne",
         {{{firstHasOne}, {secondClear}, {thirdClear}, {"Subtract 2 × row 2 from row 1"}, {secondHasOne}, {lastClear}}}},
        {"ClearsWithBothRows",
         {{{firstHasOne},
           {secondClear},
           {thirdClear},
           {"Subtract 2.33333333333333 × row 3 from row 1", "Add 1.11022302462516e-16 × row 2 to row 1"},
           {secondHasOne},
           {"Subtract 0.3 × row 2 from row 3", kColumnOneKept}}}},
    };

    std::vector<Explained> all;
    for (const rowsweep::testing::WorkedExample& example : rowsweep::testing::kWorkedExamples) {
        const auto found = byHand.find(example.name);
        all.push_back({example.name, example.input, example.warns, found != byHand.end() ? found->second : StageLines{}});
    }
    // Row 1 has an entry in column 2 that neither row below can clear.
    all.push_back({"NothingBelowToClearWith",
                   {{{"1", "5", "0", "0", "0", "1"}, {"0", "0", "1", "0", "0", "0"}, {"0", "0", "0", "1", "0", "0"}}},
                   true,
                   {{{firstHasOne}, {secondClear}, {thirdClear}, {nothingBelow}, {nothingBelow}, {lastClear}}}});
    // The exchange brings up a 1, so no division follows it.
    all.push_back({"ExchangeBringsUpAOne",
                   {{{"0", "1", "0", "0", "0", "1"}, {"1", "0", "0", "0", "0", "2"}, {"0", "0", "1", "0", "0", "3"}}},
                   true,
                   {{{"Exchange rows 1 and 2"}, {secondClear}, {thirdClear}, {topClear}, {secondHasOne}, {lastClear}}}});
    return all;
}

class ExplanationTest : public ::testing::TestWithParam<Explained> {};

TEST_P(ExplanationTest, EachStageListsItsOperationsOrWhyItChangedNothing)
{
    const Explained& example = GetParam();
    ASSERT_FALSE(example.lines[0].isEmpty()) << "no explanation worked out for " << example.name;
    const WorkedSolution solution = solveRows(example.input);
    ASSERT_EQ(solution.warned, example.warns);

    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        EXPECT_EQ(explainStage(solution, stage), example.lines[stage]) << stageName(stage).toStdString();
}

INSTANTIATE_TEST_SUITE_P(ByHand, ExplanationTest, ::testing::ValuesIn(explainedExamples()),
                         [](const auto& example) { return example.param.name; });

struct Described {
    RowOperation operation;
    const char* words;
};

// Rows counted from 1; a negative multiple is added, a multiple of 1 is not
// written, and a division by -1 is named although a division by 1 is not.
TEST(DescribeOperation, SaysWhatTheOperationDidInWords)
{
    using Kind = RowOperation::Kind;
    const Described cases[] = {
        {{Kind::Exchange, 0, 2, 0.0}, "Exchange rows 1 and 3"},
        {{Kind::Divide, 1, 1, -1.0}, "Divide row 2 by -1"},
        {{Kind::Divide, 0, 0, 0.25}, "Divide row 1 by 0.25"},
        {{Kind::SubtractMultiple, 2, 0, 3.0}, "Subtract 3 × row 1 from row 3"},
        {{Kind::SubtractMultiple, 0, 1, -0.5}, "Add 0.5 × row 2 to row 1"},
        {{Kind::AddQuotient, 1, 2, -4.0}, "Add row 3 divided by -4 to row 2"},
        // A multiple of 1 is the row itself.
        {{Kind::SubtractMultiple, 2, 0, 1.0}, "Subtract row 1 from row 3"},
        {{Kind::SubtractMultiple, 1, 0, -1.0}, "Add row 1 to row 2"},
        {{Kind::AddQuotient, 1, 2, 1.0}, "Add row 3 to row 2"},
        {{Kind::AddQuotient, 0, 2, -1.0}, "Subtract row 3 from row 1"},
        // Only exactly 1, as the LaTeX leaves it out.
        {{Kind::SubtractMultiple, 2, 0, 1.0000000000000002}, "Subtract 1 × row 1 from row 3"},
        {{Kind::SubtractMultiple, 2, 0, 1.5}, "Subtract 1.5 × row 1 from row 3"},
    };
    for (const Described& described : cases)
        EXPECT_EQ(describeOperation(writtenOperation(described.operation)), QString::fromUtf8(described.words));

    Stage divisions{};
    divisions.operations.add({Kind::Divide, 1, 1, -1.0});
    EXPECT_EQ(explainStage(writtenStage(divisions)), QStringList{QStringLiteral("Divide row 2 by -1")});
}

// What hovering adds to a cell's text; a "≈" only where it reads true.
TEST(ValueHint, GivesAFractionsDecimalOrTheFractionADecimalCameFrom)
{
    const std::pair<const char*, const char*> cases[] = {
        {"19/16", "= 1.1875"},
        {"1/3", "= 0.333333333333333"},
        {"-7/4", "= -1.75"},
        {"0.333333333333333", "≈ 1/3"},
        {"-2.66666666666667", "≈ -8/3"},
        {"123456789.123", ""},
        {"0.5", ""},
        {"3", ""},
        {"1/0", ""},
        {"abc", ""},
    };
    for (const auto& [text, hint] : cases)
        EXPECT_EQ(valueHint(QString::fromUtf8(text)), QString::fromUtf8(hint)) << text;
}

}  // namespace
}  // namespace rowsweep::steps::testing
