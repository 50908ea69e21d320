#include "rowsweep/engine/exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "rowsweep/engine/reduced_form.h"

namespace rowsweep {
namespace {

constexpr int kRightHandSide = kColumns - 1;

ExactMatrix exactly(const BasicMatrix<int>& entries)
{
    return entryWise(entries, [](int entry) { return Rational(entry); });
}

int leadingColumn(const std::array<int, kColumns>& row)
{
    return static_cast<int>(std::find_if(row.begin(), row.end(), [](int entry) { return entry != 0; }) - row.begin());
}

bool fitsHandWork(const ExactMatrix& matrix)
{
    return std::all_of(matrix.begin(), matrix.end(), [](const auto& row) {
        return std::all_of(row.begin(), row.end(), [](const Rational& entry) {
            const auto words = entry.inWords();
            return words && words->denominator <= 12 && words->numerator >= -200 && words->numerator <= 200;
        });
    });
}

// The rules every exercise keeps, whatever its kind.
void expectAnExercise(const Exercise& exercise, int number)
{
    EXPECT_EQ(exercise.number, number);
    const auto unknowns = std::count(exercise.inUse.begin(), exercise.inUse.end(), true);
    EXPECT_TRUE(exercise.inUse[0] && exercise.inUse[1] && exercise.inUse[2] && !exercise.inUse[4]);
    for (const auto& row : exercise.entries) {
        EXPECT_LT(leadingColumn(row), unknowns) << "a row without a coefficient";
        for (int column = 0; column < kColumns; ++column) {
            EXPECT_LE(std::abs(row[column]), 9);
            if (column != kRightHandSide && !exercise.inUse[column]) {
                EXPECT_EQ(row[column], 0);
            }
        }
    }
    const auto& rows = exercise.entries;
    EXPECT_FALSE(leadingColumn(rows[0]) < leadingColumn(rows[1]) && leadingColumn(rows[1]) < leadingColumn(rows[2]))
        << "already in row echelon form";
    const ReducedForm form = continueToReducedForm(exactly(exercise.entries));
    for (const ReducedFormStep& step : form.steps)
        EXPECT_TRUE(fitsHandWork(step.matrix));

    const Verdict verdict = readVerdict(form, exercise.inUse);
    const auto free = std::count(verdict.isFree.begin(), verdict.isFree.end(), true);
    switch (exercise.kind) {
    case ExerciseKind::OneSolution:
        EXPECT_EQ(unknowns, 3);
        ASSERT_TRUE(verdict.solvable);
        EXPECT_EQ(free, 0);
        for (const PivotUnknown& pivot : verdict.pivots)
            EXPECT_TRUE(pivot.constant.isInteger() && abs(pivot.constant) <= 9);
        break;
    case ExerciseKind::InfinitelyManySolutions:
        EXPECT_TRUE(unknowns == 3 || unknowns == 4);
        EXPECT_TRUE(verdict.solvable);
        EXPECT_TRUE(free == 1 || free == 2);
        break;
    case ExerciseKind::NoSolution:
        EXPECT_EQ(unknowns, 3);
        EXPECT_FALSE(verdict.solvable);
        EXPECT_EQ(form.pivotColumns.size(), 3U) << "coefficient rank 2, one row reading 0 = 1";
        break;
    case ExerciseKind::AnyKind:
        ADD_FAILURE() << "an exercise is of one kind";
    }
}

TEST(MakeExercise, EveryNumberOfEveryKindKeepsTheRules)
{
    for (const ExerciseKind kind : {ExerciseKind::OneSolution, ExerciseKind::InfinitelyManySolutions,
                                    ExerciseKind::NoSolution, ExerciseKind::AnyKind}) {
        int fourUnknowns = 0;
        for (int number = kFirstExerciseNumber; number < kFirstExerciseNumber + 1000; ++number) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind) << ", number " << number);
            const Exercise exercise = makeExercise(number, kind);
            if (kind == ExerciseKind::AnyKind) {
                const Exercise same = makeExercise(number, exercise.kind);
                EXPECT_EQ(same.entries, exercise.entries);
            } else {
                EXPECT_EQ(exercise.kind, kind);
            }
            expectAnExercise(exercise, number);
            fourUnknowns += exercise.inUse[3] ? 1 : 0;
        }
        if (kind == ExerciseKind::InfinitelyManySolutions) {
            EXPECT_GT(fourUnknowns, 0);
        }
    }
    expectAnExercise(makeExercise(kLastExerciseNumber, ExerciseKind::NoSolution), kLastExerciseNumber);
    EXPECT_THROW((void)makeExercise(kFirstExerciseNumber - 1, ExerciseKind::OneSolution), std::out_of_range);
    EXPECT_THROW((void)makeExercise(kLastExerciseNumber + 1, ExerciseKind::OneSolution), std::out_of_range);
}

// A change of the rule changes every exercise a student may have been given.
TEST(MakeExercise, KeepsTheExercisesItHasGiven)
{
    struct Pinned {
        int number;
        ExerciseKind kind;
        BasicMatrix<int> entries;
        bool fourthUnknown;
    };
    const Pinned pinned[]{
        {4711, ExerciseKind::OneSolution, {{{1, 5, 6, 0, 0, 8}, {0, -1, 0, 0, 0, 1}, {0, -5, -1, 0, 0, 3}}}, false},
        {3, ExerciseKind::InfinitelyManySolutions,
         {{{0, 2, 0, 4, 0, -2}, {6, 4, 7, 6, 0, 5}, {6, -6, 1, -2, 0, -3}}}, true},
        {4711, ExerciseKind::NoSolution, {{{1, 6, 1, 0, 0, 7}, {-2, 0, -2, 0, 0, -7}, {-2, -1, -2, 0, 0, -3}}}, false},
    };
    for (const Pinned& pin : pinned) {
        const Exercise exercise = makeExercise(pin.number, pin.kind);
        EXPECT_EQ(exercise.entries, pin.entries) << pin.number;
        EXPECT_EQ(exercise.inUse, (UnknownsInUse{true, true, true, pin.fourthUnknown, false}));
    }
}

}  // namespace
}  // namespace rowsweep
