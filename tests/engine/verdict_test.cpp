#include "rowsweep/engine/verdict.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rational_printer.h"
#include "replay.h"
#include "rowsweep/engine/exact_text.h"
#include "worked_examples.h"

namespace rowsweep {
namespace {

using testing::Rows;

Rational exact(const char* text)
{
    return parseExactCellText(text, true).value();
}

ExactMatrix exact(const Rows& rows)
{
    return entryWise(rows, [](const char* text) { return exact(text); });
}

// The verdict straight from the input, reduced to its reduced form.
Verdict decideSystem(const ExactMatrix& input)
{
    return readVerdict(continueToReducedForm(input));
}

// x_unknown = constant + coefficients . x, coefficients as on that side.
struct ExpectedPivot {
    int unknown;
    const char* constant;
    std::array<const char*, kUnknowns> coefficients;
};

struct Case {
    const char* name;
    Rows input;
    std::vector<ExpectedPivot> pivots;
    int contradictionRow = -1;  // the reduced form's row that reads 0 = 1
};

TEST(DecideSystem, GivesTheGeneralSolutionOrTheRowThatReadsZeroEqualsOne)
{
    const std::vector<Case> cases{
        {"sample, rank 2", testing::kSampleInput,
         {{0, "-1", {"0", "0", "17", "-2", "28"}}, {1, "-1", {"0", "0", "10", "-1", "16"}}}},
        {"rank 3 after an exchange, column 3 skipped",
         {{{"0", "2", "0", "0", "0", "4"}, {"1", "1", "0", "0", "0", "3"}, {"0", "0", "0", "3", "1", "6"}}},
         {{0, "1", {"0", "0", "0", "0", "0"}}, {1, "2", {"0", "0", "0", "0", "0"}}, {3, "2", {"0", "0", "0", "0", "-1/3"}}}},
        {"columns 1 and 2 all zero, rank 2",
         {{{"0", "0", "2", "4", "0", "6"}, {"0", "0", "0", "0", "5", "10"}, {"0", "0", "1", "2", "5", "13"}}},
         {{2, "3", {"0", "0", "0", "-2", "0"}}, {4, "2", {"0", "0", "0", "0", "0"}}}},
        {"all zero", testing::worked::kZeros, {}},
        {"thirds and sevenths",
         {{{"1/3", "0", "0", "1", "0", "1"}, {"0", "2/7", "0", "0", "0", "1"}, {"0", "0", "0", "0", "3/2", "-1/4"}}},
         {{0, "3", {"0", "0", "0", "-3", "0"}}, {1, "7/2", {"0", "0", "0", "0", "0"}}, {4, "-1/6", {"0", "0", "0", "0", "0"}}}},
        {"fractions not in lowest terms",
         {{{"6/4", "0", "0", "0", "0", "3/2"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "-4/8", "0", "0", "2/-4"}}},
         {{0, "1", {"0", "0", "0", "0", "0"}}, {2, "1", {"0", "0", "0", "0", "0"}}}},
        {"no coefficients at all, in row 1",
         {{{"0", "0", "0", "0", "0", "5/2"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "-1"}}}, {}, 0},
        {"counted after the exchange that found the pivot",
         {{{"0", "0", "0", "0", "0", "4"}, {"0", "1", "0", "0", "0", "2"}, {"0", "0", "0", "0", "0", "0"}}}, {}, 1},
        {"steps of 0.1, off by 0.01",
         {{{"1/10", "2/10", "3/10", "4/10", "5/10", "6/10"},
           {"2/10", "3/10", "4/10", "5/10", "6/10", "7/10"},
           {"3/10", "4/10", "5/10", "6/10", "7/10", "81/100"}}},
         {}, 2},
    };

    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Verdict verdict = decideSystem(exact(test.input));
        const bool solvable = test.contradictionRow < 0;
        ASSERT_EQ(verdict.solvable, solvable);
        EXPECT_EQ(verdict.contradictionRow, test.contradictionRow);
        EXPECT_EQ(verdict.contradictionValue, Rational(solvable ? 0 : 1));

        std::array<bool, kUnknowns> expectedFree;
        expectedFree.fill(solvable);
        ASSERT_EQ(verdict.pivots.size(), test.pivots.size());
        for (std::size_t i = 0; i < test.pivots.size(); ++i) {
            const ExpectedPivot& expected = test.pivots[i];
            const PivotUnknown& pivot = verdict.pivots[i];
            expectedFree[expected.unknown] = false;
            EXPECT_EQ(pivot.unknown, expected.unknown);
            EXPECT_EQ(pivot.constant, exact(expected.constant)) << "x" << expected.unknown + 1;
            for (int j = 0; j < kUnknowns; ++j)
                EXPECT_EQ(pivot.freeCoefficients[j], exact(expected.coefficients[j]))
                    << "x" << expected.unknown + 1 << ", coefficient of x" << j + 1;
        }
        EXPECT_EQ(verdict.isFree, expectedFree);
    }
}

// Rank by the largest non-zero minor: a route that shares nothing with the
// elimination under test.
int rankOf(const ExactMatrix& matrix, int columns)
{
    const auto at = [&](int row, int column) -> const Rational& { return matrix[row][column]; };
    for (int a = 0; a < columns; ++a)
        for (int b = a + 1; b < columns; ++b)
            for (int c = b + 1; c < columns; ++c) {
                const Rational det = at(0, a) * (at(1, b) * at(2, c) - at(1, c) * at(2, b)) -
                                      at(0, b) * (at(1, a) * at(2, c) - at(1, c) * at(2, a)) +
                                      at(0, c) * (at(1, a) * at(2, b) - at(1, b) * at(2, a));
                if (!det.isZero())
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
            if (!at(r, a).isZero())
                return 1;
    return 0;
}

class RandomSystems {
public:
    Rational rational(int largest) { return Rational(pick(-largest, largest), pick(1, 4)); }

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
                const Rational a = rational(3), b = rational(3);
                for (int column = 0; column < kColumns; ++column)
                    matrix[row][column] = a * matrix[0][column] + (row == 2 ? b * matrix[1][column] : Rational());
                if (pick(0, 2) == 0)
                    matrix[row][kColumns - 1] += rational(2);
            } else {
                for (Rational& entry : matrix[row])
                    entry = pick(0, 3) == 0 ? Rational() : rational(6);
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

// Two routes to the one reduced row echelon form, from the input and from
// the exact Answer of the six stages, give the same verdict: its general
// solution satisfies every equation, and a contradiction is real.
TEST(DecideSystem, ReducedFormAndGeneralSolutionHoldForRandomSystems)
{
    RandomSystems random;
    std::array<int, kRows + 1> solvableByRank{};
    int inconsistent = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const ExactMatrix input = random.matrix();
        SCOPED_TRACE("trial " + std::to_string(trial));
        const ReducedForm form = continueToReducedForm(reduce(input).answer());
        ExactMatrix before = form.start;
        for (const ReducedFormStep& step : form.steps) {
            EXPECT_NE(step.matrix, before) << "a step that changes nothing";
            for (const ExactRowOperation& op : step.operations)
                EXPECT_FALSE(op.kind == RowOperationKind::Divide && op.factor == 1) << "a division by 1 is no work";
            EXPECT_EQ(testing::replay(before, step.operations), step.matrix);
            before = step.matrix;
        }

        const ExactMatrix& reduced = form.matrix();
        const auto rank = static_cast<int>(form.pivotColumns.size());
        const int coefficientRank = rankOf(input, kUnknowns);
        ASSERT_EQ(rank, rankOf(input, kColumns));
        for (int row = 0; row < kRows; ++row) {
            int leading = 0;
            while (leading < kColumns && reduced[row][leading].isZero())
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
        // Every input row is made of the pivot rows, weighted by its own
        // entries in the pivot columns.
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                Rational sum;
                for (int i = 0; i < rank; ++i)
                    sum += input[row][form.pivotColumns[static_cast<std::size_t>(i)]] * reduced[i][column];
                EXPECT_EQ(sum, input[row][column]) << "row " << row + 1 << ", column " << column + 1;
            }

        const Verdict verdict = decideSystem(input);
        const Verdict fromAnswer = readVerdict(form);
        ASSERT_EQ(fromAnswer.solvable, verdict.solvable);
        EXPECT_EQ(fromAnswer.contradictionRow, verdict.contradictionRow);
        EXPECT_EQ(fromAnswer.isFree, verdict.isFree);
        ASSERT_EQ(fromAnswer.pivots.size(), verdict.pivots.size());
        for (std::size_t i = 0; i < verdict.pivots.size(); ++i)
            EXPECT_TRUE(fromAnswer.pivots[i].unknown == verdict.pivots[i].unknown
                        && fromAnswer.pivots[i].constant == verdict.pivots[i].constant
                        && fromAnswer.pivots[i].freeCoefficients == verdict.pivots[i].freeCoefficients);

        if (!verdict.solvable) {
            ++inconsistent;
            EXPECT_LT(coefficientRank, rank);
            // The last pivot row, truly 0 = c with c not 0.
            EXPECT_EQ(verdict.contradictionRow, rank - 1);
            EXPECT_FALSE(verdict.contradictionValue.isZero());
            continue;
        }
        ASSERT_EQ(coefficientRank, rank);
        ++solvableByRank[rank];

        std::array<Rational, kUnknowns> x;
        for (int j = 0; j < kUnknowns; ++j)
            if (verdict.isFree[j])
                x[j] = random.rational(9);
        for (std::size_t i = 0; i < verdict.pivots.size(); ++i) {
            const PivotUnknown& pivot = verdict.pivots[i];
            EXPECT_EQ(pivot.unknown, form.pivotColumns[i]);
            EXPECT_FALSE(verdict.isFree[pivot.unknown]);
            x[pivot.unknown] = pivot.constant;
            for (int j = 0; j < kUnknowns; ++j) {
                if (verdict.isFree[j])
                    x[pivot.unknown] += pivot.freeCoefficients[j] * x[j];
                else
                    EXPECT_TRUE(pivot.freeCoefficients[j].isZero());
            }
        }
        for (int row = 0; row < kRows; ++row) {
            Rational left;
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

}  // namespace
}  // namespace rowsweep
