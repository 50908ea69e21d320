#include "rowsweep/engine/verdict.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "replay.h"
#include "worked_examples.h"

namespace rowsweep {
namespace {

using testing::Rows;

ExactMatrix exact(const Rows& rows)
{
    ExactMatrix matrix;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = mpq_class(rows[row][column]);
    return matrix;
}

// x_unknown = constant + coefficients . x, coefficients as on that side.
struct ExpectedPivot {
    int unknown;
    const char* constant;
    std::array<const char*, kUnknowns> coefficients;
};

struct SolvableCase {
    const char* name;
    Rows input;
    std::vector<ExpectedPivot> pivots;
};

TEST(DecideSystem, SolvableSystemsGiveTheGeneralSolution)
{
    const std::vector<SolvableCase> cases{
        {"sample, rank 2", testing::kSampleInput,
         {{0, "-1", {"0", "0", "17", "-2", "28"}}, {1, "-1", {"0", "0", "10", "-1", "16"}}}},
        {"rank 3 after an exchange, column 3 skipped",
         {{{"0", "2", "0", "0", "0", "4"}, {"1", "1", "0", "0", "0", "3"}, {"0", "0", "0", "3", "1", "6"}}},
         {{0, "1", {"0", "0", "0", "0", "0"}}, {1, "2", {"0", "0", "0", "0", "0"}}, {3, "2", {"0", "0", "0", "0", "-1/3"}}}},
        {"rank 1, dependent rows",
         {{{"2", "4", "-2", "0", "6", "8"}, {"1", "2", "-1", "0", "3", "4"}, {"-3", "-6", "3", "0", "-9", "-12"}}},
         {{0, "4", {"0", "-2", "1", "0", "-3"}}}},
        {"columns 1 and 2 all zero, rank 2",
         {{{"0", "0", "2", "4", "0", "6"}, {"0", "0", "0", "0", "5", "10"}, {"0", "0", "1", "2", "5", "13"}}},
         {{2, "3", {"0", "0", "0", "-2", "0"}}, {4, "2", {"0", "0", "0", "0", "0"}}}},
        {"pivots in columns 3 to 5, rows reversed",
         {{{"0", "0", "0", "0", "1", "3"}, {"0", "0", "0", "1", "0", "2"}, {"0", "0", "1", "0", "0", "1"}}},
         {{2, "1", {"0", "0", "0", "0", "0"}}, {3, "2", {"0", "0", "0", "0", "0"}}, {4, "3", {"0", "0", "0", "0", "0"}}}},
        {"all zero", testing::worked::kZeros, {}},
        {"steps of 0.1",
         {{{"1/10", "2/10", "3/10", "4/10", "5/10", "6/10"},
           {"2/10", "3/10", "4/10", "5/10", "6/10", "7/10"},
           {"3/10", "4/10", "5/10", "6/10", "7/10", "8/10"}}},
         {{0, "-4", {"0", "0", "1", "2", "3"}}, {1, "5", {"0", "0", "-2", "-3", "-4"}}}},
        {"thirds and sevenths",
         {{{"1/3", "0", "0", "1", "0", "1"}, {"0", "2/7", "0", "0", "0", "1"}, {"0", "0", "0", "0", "3/2", "-1/4"}}},
         {{0, "3", {"0", "0", "0", "-3", "0"}}, {1, "7/2", {"0", "0", "0", "0", "0"}}, {4, "-1/6", {"0", "0", "0", "0", "0"}}}},
        {"fractions not in lowest terms",
         {{{"6/4", "0", "0", "0", "0", "3/2"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "-4/8", "0", "0", "2/-4"}}},
         {{0, "1", {"0", "0", "0", "0", "0"}}, {2, "1", {"0", "0", "0", "0", "0"}}}},
    };

    for (const SolvableCase& test : cases) {
        SCOPED_TRACE(test.name);
        const Verdict verdict = decideSystem(exact(test.input));
        ASSERT_TRUE(verdict.solvable);
        EXPECT_EQ(verdict.contradictionRow, -1);

        std::array<bool, kUnknowns> expectedFree;
        expectedFree.fill(true);
        ASSERT_EQ(verdict.pivots.size(), test.pivots.size());
        for (std::size_t i = 0; i < test.pivots.size(); ++i) {
            const ExpectedPivot& expected = test.pivots[i];
            const PivotUnknown& pivot = verdict.pivots[i];
            expectedFree[expected.unknown] = false;
            EXPECT_EQ(pivot.unknown, expected.unknown);
            EXPECT_EQ(pivot.constant, mpq_class(expected.constant)) << "x" << expected.unknown + 1;
            for (int j = 0; j < kUnknowns; ++j)
                EXPECT_EQ(pivot.freeCoefficients[j], mpq_class(expected.coefficients[j]))
                    << "x" << expected.unknown + 1 << ", coefficient of x" << j + 1;
        }
        EXPECT_EQ(verdict.isFree, expectedFree);
    }
}

struct ContradictionCase {
    const char* name;
    Rows input;
    int row;
};

// The reduced form normalises the contradiction to 0 = 1.
TEST(DecideSystem, InconsistentSystemsReportTheRowThatReadsZeroEqualsOne)
{
    const std::vector<ContradictionCase> cases{
        {"no coefficients at all, in row 1",
         {{{"0", "0", "0", "0", "0", "5/2"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "-1"}}},
         0},
        {"rank 1, row 2 before row 3",
         {{{"1", "2", "3", "4", "5", "6"}, {"2", "4", "6", "8", "10", "11"}, {"3", "6", "9", "12", "15", "20"}}},
         1},
        {"counted after the exchange that found the pivot",
         {{{"0", "0", "0", "0", "0", "4"}, {"0", "1", "0", "0", "0", "2"}, {"0", "0", "0", "0", "0", "0"}}},
         1},
        {"rank 2, in row 3",
         {{{"1", "1", "1", "1", "1", "1"}, {"1", "2", "3", "4", "5", "6"}, {"2", "3", "4", "5", "6", "8"}}},
         2},
        {"steps of 0.1, off by 0.01",
         {{{"1/10", "2/10", "3/10", "4/10", "5/10", "6/10"},
           {"2/10", "3/10", "4/10", "5/10", "6/10", "7/10"},
           {"3/10", "4/10", "5/10", "6/10", "7/10", "81/100"}}},
         2},
    };

    for (const ContradictionCase& test : cases) {
        SCOPED_TRACE(test.name);
        const Verdict verdict = decideSystem(exact(test.input));
        EXPECT_FALSE(verdict.solvable);
        EXPECT_EQ(verdict.contradictionRow, test.row);
        EXPECT_EQ(verdict.contradictionValue, 1);
        EXPECT_TRUE(verdict.pivots.empty());
        EXPECT_EQ(verdict.isFree, (std::array<bool, kUnknowns>{}));
    }
}

// Rank by the largest non-zero minor: a route that shares nothing with the
// elimination under test.
int rankOf(const ExactMatrix& matrix, int columns)
{
    const auto at = [&](int row, int column) -> const mpq_class& { return matrix[row][column]; };
    for (int a = 0; a < columns; ++a)
        for (int b = a + 1; b < columns; ++b)
            for (int c = b + 1; c < columns; ++c) {
                const mpq_class det = at(0, a) * (at(1, b) * at(2, c) - at(1, c) * at(2, b)) -
                                      at(0, b) * (at(1, a) * at(2, c) - at(1, c) * at(2, a)) +
                                      at(0, c) * (at(1, a) * at(2, b) - at(1, b) * at(2, a));
                if (sgn(det) != 0)
                    return 3;
            }
    for (int r = 0; r < kRows; ++r)
        for (int s = r + 1; s < kRows; ++s)
            for (int a = 0; a < columns; ++a)
                for (int b = a + 1; b < columns; ++b)
                    if (at(r, a) * at(s, b) != at(r, b) * at(s, a))
                        return 2;
    for (int r = 0; r < kRows; ++r)
        for (int a = 0; a < columns; ++a)
            if (sgn(at(r, a)) != 0)
                return 1;
    return 0;
}

class RandomSystems {
public:
    mpq_class rational(int largest)
    {
        mpq_class value(pick(-largest, largest), pick(1, 4));
        value.canonicalize();
        return value;
    }

    // Many rank-deficient and inconsistent systems: later rows are often
    // combinations of earlier ones, sometimes with the right-hand side
    // nudged, the first row is sometimes zero (so all of them may be), and
    // leading columns are often empty.
    ExactMatrix matrix()
    {
        ExactMatrix matrix;
        const bool firstRowZero = pick(0, 5) == 0;
        for (int row = 0; row < kRows; ++row) {
            if (row == 0 && firstRowZero) {
                matrix[0].fill(0);
            } else if (row > 0 && pick(0, 2) > 0) {
                const mpq_class a = rational(3), b = rational(3);
                for (int column = 0; column < kColumns; ++column)
                    matrix[row][column] = a * matrix[0][column] + (row == 2 ? b * matrix[1][column] : mpq_class(0));
                if (pick(0, 2) == 0)
                    matrix[row][kColumns - 1] += rational(2);
            } else {
                for (mpq_class& entry : matrix[row])
                    entry = pick(0, 3) == 0 ? mpq_class(0) : rational(6);
            }
        }
        for (int column = 0, empty = pick(-2, 3); column < empty; ++column)
            for (auto& row : matrix)
                row[column] = 0;
        return matrix;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    std::mt19937 engine_{20240611};
};

TEST(DecideSystem, GeneralSolutionSatisfiesEveryEquationAndContradictionsAreReal)
{
    RandomSystems random;
    std::array<int, kRows + 1> solvableByRank{};
    int inconsistent = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const ExactMatrix input = random.matrix();
        const Verdict verdict = decideSystem(input);
        const int coefficientRank = rankOf(input, kUnknowns);
        const int augmentedRank = rankOf(input, kColumns);
        SCOPED_TRACE("trial " + std::to_string(trial));

        if (!verdict.solvable) {
            ++inconsistent;
            EXPECT_LT(coefficientRank, augmentedRank);
            // Below the pivot rows, and truly 0 = c with c not 0.
            EXPECT_GE(verdict.contradictionRow, coefficientRank);
            EXPECT_LT(verdict.contradictionRow, kRows);
            EXPECT_NE(sgn(verdict.contradictionValue), 0);
            continue;
        }

        ASSERT_EQ(coefficientRank, augmentedRank);
        ASSERT_EQ(static_cast<int>(verdict.pivots.size()), coefficientRank);
        ++solvableByRank[coefficientRank];

        std::array<mpq_class, kUnknowns> x;
        for (int j = 0; j < kUnknowns; ++j)
            if (verdict.isFree[j])
                x[j] = random.rational(9);
        int previous = -1;
        for (const PivotUnknown& pivot : verdict.pivots) {
            EXPECT_GT(pivot.unknown, previous);
            EXPECT_FALSE(verdict.isFree[pivot.unknown]);
            previous = pivot.unknown;
            x[pivot.unknown] = pivot.constant;
            for (int j = 0; j < kUnknowns; ++j) {
                if (verdict.isFree[j])
                    x[pivot.unknown] += pivot.freeCoefficients[j] * x[j];
                else
                    EXPECT_EQ(sgn(pivot.freeCoefficients[j]), 0);
            }
        }
        for (int row = 0; row < kRows; ++row) {
            mpq_class left = 0;
            for (int j = 0; j < kUnknowns; ++j)
                left += input[row][j] * x[j];
            EXPECT_EQ(left, input[row][kColumns - 1]) << "equation " << row + 1;
        }
    }
    // The generator reached every kind of system.
    EXPECT_GT(inconsistent, 300);
    for (int rank = 0; rank <= kRows; ++rank)
        EXPECT_GT(solvableByRank[rank], 20) << "rank " << rank;
}

// On what a Solve goes on from, the exact Answer of the six stages.
TEST(ReducedForm, IsTheReducedEchelonFormOfTheInputAndDecidesTheVerdict)
{
    RandomSystems random;
    for (int trial = 0; trial < 1000; ++trial) {
        const ExactMatrix input = random.matrix();
        const ReducedForm form = continueToReducedForm(reduce(input).answer());
        SCOPED_TRACE("trial " + std::to_string(trial));

        ExactMatrix before = form.start;
        for (const ReducedFormStep& step : form.steps) {
            EXPECT_NE(step.matrix, before) << "a step that changes nothing";
            for (const ExactRowOperation& op : step.operations)
                EXPECT_FALSE(op.kind == RowOperationKind::Divide && op.factor == 1) << "a division by 1 is no work";
            EXPECT_EQ(testing::replay(before, step.operations), step.matrix) << "column " << step.pivotColumn + 1;
            before = step.matrix;
        }

        const ExactMatrix& reduced = form.matrix();
        const auto rank = static_cast<int>(form.pivotColumns.size());
        ASSERT_EQ(rank, rankOf(input, kColumns));
        for (int row = 0; row < kRows; ++row) {
            int leading = 0;
            while (leading < kColumns && sgn(reduced[row][leading]) == 0)
                ++leading;
            if (row >= rank) {
                EXPECT_EQ(leading, kColumns) << "row " << row + 1 << " below the pivots";
                continue;
            }
            const int pivot = form.pivotColumns[static_cast<std::size_t>(row)];
            EXPECT_EQ(leading, pivot);
            EXPECT_TRUE(row == 0 || pivot > form.pivotColumns[static_cast<std::size_t>(row) - 1]);
            for (int other = 0; other < kRows; ++other)
                EXPECT_EQ(reduced[other][pivot], other == row ? 1 : 0);
        }
        // Of equal rank, and every input row is made of the pivot rows,
        // weighted by its own entries in the pivot columns.
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                mpq_class sum = 0;
                for (int i = 0; i < rank; ++i)
                    sum += input[row][form.pivotColumns[static_cast<std::size_t>(i)]] * reduced[i][column];
                EXPECT_EQ(sum, input[row][column]) << "row " << row + 1 << ", column " << column + 1;
            }

        const Verdict verdict = readVerdict(form);
        EXPECT_EQ(verdict.solvable, rankOf(input, kUnknowns) == rank);
        if (verdict.solvable) {
            ASSERT_EQ(verdict.pivots.size(), form.pivotColumns.size());
            for (std::size_t i = 0; i < verdict.pivots.size(); ++i)
                EXPECT_EQ(verdict.pivots[i].unknown, form.pivotColumns[i]);
        } else {
            EXPECT_EQ(form.pivotColumns.back(), kColumns - 1);
            EXPECT_EQ(verdict.contradictionRow, rank - 1);
        }
    }
}

}  // namespace
}  // namespace rowsweep
