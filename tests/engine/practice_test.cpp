#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rational_printer.h"
#include "replay.h"
#include "rowsweep/engine/practice_operation.h"
#include "rowsweep/engine/progress.h"
#include "rowsweep/engine/reduced_form.h"

namespace rowsweep {
namespace {

ExactMatrix exactly(const BasicMatrix<int>& entries)
{
    return entryWise(entries, [](int entry) { return Rational(entry); });
}

TEST(ProgressOf, CountsTheLeadingColumnsInReducedRowEchelonForm)
{
    struct Case {
        const char* name;
        BasicMatrix<int> matrix;
        int columnsDone;
        std::array<bool, kColumns> pivots;
    };
    const std::vector<Case> cases{
        {"nothing done", {{{2, 1, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 1}}}, 0, {}},
        {"a 1 with an entry below", {{{1, 0, 0, 0, 0, 1}, {3, 1, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 1}}}, 0, {}},
        {"the 1 not in the top row", {{{0, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 1}}}, 0, {}},
        {"column 1 done", {{{1, 2, 0, 0, 0, 1}, {0, 3, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 1}}}, 1, {true}},
        {"a zero column counts as done", {{{0, 1, 2, 0, 0, 1}, {0, 0, 0, 5, 0, 1}, {0, 0, 0, 1, 0, 1}}}, 3,
         {false, true}},
        {"up to a right-hand side of 7", {{{1, 0, 4, 0, 0, 1}, {0, 1, 5, 0, 0, 2}, {0, 0, 0, 0, 0, 7}}}, 5,
         {true, true}},
        {"a 1 above the new pivot", {{{1, 0, 1, 0, 0, 1}, {0, 1, 0, 0, 0, 2}, {0, 0, 1, 0, 0, 7}}}, 2,
         {true, true}},
        {"reduced, with a contradiction", {{{1, 0, 4, 0, 0, 0}, {0, 1, 5, 0, 0, 0}, {0, 0, 0, 0, 0, 1}}}, 6,
         {true, true, false, false, false, true}},
        {"reduced, three pivots", {{{1, 0, 0, 9, 0, 1}, {0, 1, 0, 8, 0, 2}, {0, 0, 1, 7, 0, 3}}}, 6,
         {true, true, true}},
        {"all zero", {}, 6, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Progress progress = progressOf(exactly(test.matrix));
        EXPECT_EQ(progress.columnsDone, test.columnsDone);
        EXPECT_EQ(progress.pivotColumns, test.pivots);
        EXPECT_EQ(progress.pivotsBefore(3), test.pivots[0] + test.pivots[1] + test.pivots[2]);
    }
}

BasicMatrix<int> randomMatrix(std::mt19937& random)
{
    std::uniform_int_distribution<int> entry(-4, 4);
    std::bernoulli_distribution zero(0.3);
    BasicMatrix<int> matrix{};
    for (auto& row : matrix)
        for (int& value : row)
            value = zero(random) ? 0 : entry(random);
    return matrix;
}

// Legal steps never change the solutions: the reduced row echelon form of
// the start stays the one of every matrix on the way.
TEST(PracticeOperation, LegalStepsKeepTheReducedFormOfTheStart)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> row(0, kRows - 1);
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<int> part(-5, 5);
    for (int trial = 0; trial < 300; ++trial) {
        ExactMatrix matrix = exactly(randomMatrix(random));
        const ExactMatrix reduced = continueToReducedForm(matrix).matrix();
        for (int step = 0; step < 8; ++step) {
            PracticeOperation operation{static_cast<PracticeOperation::Kind>(kind(random)), row(random), row(random), 1};
            int numerator = part(random);
            if (operation.kind == PracticeOperation::Kind::Multiply || numerator == 0)
                numerator = numerator == 0 ? 3 : numerator;
            operation.factor = Rational(numerator, std::abs(part(random)) + 1);
            if (operation.kind == PracticeOperation::Kind::Multiply)
                operation.source = operation.target;
            else if (operation.source == operation.target)
                operation.source = (operation.target + 1) % kRows;
            applyOperation(operation, matrix);
            ASSERT_EQ(continueToReducedForm(matrix).matrix(), reduced);
            EXPECT_EQ(progressOf(matrix).reduced(), matrix == reduced);
        }
    }
}

// Hint after hint is the Reduced Form window's way from the start, one
// operation at a time.
TEST(PracticeOperation, HintAfterHintTakesTheGaussJordanWay)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 500; ++trial) {
        ExactMatrix matrix = exactly(randomMatrix(random));
        const ReducedForm way = continueToReducedForm(matrix);
        const int count = gaussJordanOperationCount(matrix);
        ExactMatrix byHand = matrix;
        int taken = 0;
        for (const ReducedFormStep& step : way.steps)
            for (const ExactRowOperation& operation : step.operations) {
                ExactStageOperations one;
                one.add(operation);
                byHand = testing::replay(byHand, one);
                const auto hint = nextGaussJordanOperation(matrix);
                ASSERT_TRUE(hint);
                applyOperation(*hint, matrix);
                ++taken;
                ASSERT_EQ(matrix, byHand) << "operation " << taken;
            }
        EXPECT_EQ(taken, count);
        EXPECT_FALSE(nextGaussJordanOperation(matrix));
        EXPECT_EQ(matrix, way.matrix());
        EXPECT_TRUE(progressOf(matrix).reduced());
    }
}

}  // namespace
}  // namespace rowsweep
