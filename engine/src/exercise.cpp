#include "rowsweep/engine/exercise.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "rowsweep/engine/reduced_form.h"

namespace rowsweep {

namespace {

constexpr int kSmallestEntry = -9;
constexpr int kLargestEntry = 9;
// The fractions of the Gauss-Jordan work stay ones a student handles by hand.
constexpr long long kLargestDenominator = 12;
constexpr long long kLargestNumerator = 200;
// Candidates per exercise before the fixed one of its kind is taken.
constexpr int kCandidates = 2000;
constexpr int kRightHandSide = kColumns - 1;

// SplitMix64, written out so that every machine and library draws the same
// sequence from the same seed.
class Draws {
public:
    explicit Draws(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t next()
    {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }

    // An integer in low..high: the top 32 bits of a draw scaled to the span.
    int between(int low, int high)
    {
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(((next() >> 32U) * span) >> 32U);
    }

private:
    std::uint64_t state_;
};

std::uint64_t seedOf(int number, ExerciseKind kind)
{
    return static_cast<std::uint64_t>(number) * 4U + static_cast<std::uint64_t>(kind);
}

// The reduced row echelon form an exercise is built back from: integer
// rows, the pivot rows first.
struct Target {
    BasicMatrix<int> rows{};
    std::vector<int> pivotColumns;
    int unknowns = 3;
    // Rows of `rows` that the exercise's rows combine: the pivot rows, and
    // for no solution the row that reads 0 = 1.
    int combined = 3;
};

// Pivot rows at `pivotColumns`, with a 1 at the pivot, small integers in the
// free columns after it and the right-hand side in -limit..limit.
void drawPivotRows(Target& target, Draws& draws, int limit)
{
    for (int row = 0; row < static_cast<int>(target.pivotColumns.size()); ++row) {
        auto& entries = target.rows[row];
        const int pivot = target.pivotColumns[static_cast<std::size_t>(row)];
        entries[pivot] = 1;
        for (int column = pivot + 1; column < target.unknowns; ++column)
            if (std::find(target.pivotColumns.begin(), target.pivotColumns.end(), column) == target.pivotColumns.end())
                entries[column] = draws.between(-3, 3);
        entries[kRightHandSide] = draws.between(-limit, limit);
    }
}

// Where the pivots stand, drawn once per exercise so that every shape of
// its kind comes up as often.
Target drawShape(ExerciseKind kind, Draws& draws)
{
    Target target;
    switch (kind) {
    case ExerciseKind::OneSolution:
        target.pivotColumns = {0, 1, 2};
        break;
    case ExerciseKind::InfinitelyManySolutions: {
        target.unknowns = draws.between(3, 4);
        const int rank = target.unknowns - draws.between(1, 2);
        // Column 1 always takes the first pivot; the others are drawn from
        // the columns after it.
        std::vector<int> later;
        for (int column = 1; column < target.unknowns; ++column)
            later.push_back(column);
        target.pivotColumns = {0};
        for (int pivot = 1; pivot < rank; ++pivot) {
            const int index = draws.between(0, static_cast<int>(later.size()) - 1);
            target.pivotColumns.push_back(later[static_cast<std::size_t>(index)]);
            later.erase(later.begin() + index);
        }
        std::sort(target.pivotColumns.begin(), target.pivotColumns.end());
        target.combined = rank;
        break;
    }
    case ExerciseKind::NoSolution:
    case ExerciseKind::AnyKind:
        target.pivotColumns = {0, draws.between(1, 2), kRightHandSide};
        break;
    }
    return target;
}

// The target's rows for one candidate: one solution's values within
// -9..9, other right-hand sides within -6..6.
Target drawTarget(const Target& shape, ExerciseKind kind, Draws& draws)
{
    Target target = shape;
    target.rows = {};
    if (kind == ExerciseKind::NoSolution) {
        target.pivotColumns.pop_back();
        drawPivotRows(target, draws, 6);
        target.pivotColumns.push_back(kRightHandSide);
        target.rows[2][kRightHandSide] = 1;
    } else {
        drawPivotRows(target, draws, kind == ExerciseKind::OneSolution ? kLargestEntry : 6);
    }
    return target;
}

// Each row of the exercise is a combination of the target's rows: every
// factor but the last drawn, the last drawn among those that keep the row
// within -9..9 and not zero. False when no last factor does.
bool drawRows(const Target& target, Draws& draws, BasicMatrix<int>& entries)
{
    const int last = target.combined - 1;
    for (auto& row : entries) {
        std::array<int, kColumns> start{};
        for (int source = 0; source < last; ++source) {
            const int factor = draws.between(-6, 6);
            for (int column = 0; column < kColumns; ++column)
                start[column] += factor * target.rows[source][column];
        }
        std::array<int, kLargestEntry - kSmallestEntry + 1> fitting{};
        int count = 0;
        for (int factor = kSmallestEntry; factor <= kLargestEntry; ++factor) {
            bool fits = true;
            bool zero = true;
            for (int column = 0; column < kColumns; ++column) {
                const int entry = start[column] + factor * target.rows[last][column];
                fits = fits && entry >= kSmallestEntry && entry <= kLargestEntry;
                zero = zero && entry == 0;
            }
            if (fits && !zero)
                fitting[count++] = factor;
        }
        if (count == 0)
            return false;
        const int factor = fitting[draws.between(0, count - 1)];
        for (int column = 0; column < kColumns; ++column)
            row[column] = start[column] + factor * target.rows[last][column];
    }
    return true;
}

int leadingColumn(const std::array<int, kColumns>& row)
{
    const auto* found = std::find_if(row.begin(), row.end(), [](int entry) { return entry != 0; });
    return static_cast<int>(found - row.begin());
}

bool inRowEchelonForm(const BasicMatrix<int>& entries)
{
    return leadingColumn(entries[0]) < leadingColumn(entries[1]) && leadingColumn(entries[1]) < leadingColumn(entries[2]);
}

// Every unknown has a coefficient somewhere and every equation has one, so
// that no row reads 0 = c before any work.
bool everyUnknownAndEquationCounts(const BasicMatrix<int>& entries, int unknowns)
{
    for (int column = 0; column < unknowns; ++column)
        if (entries[0][column] == 0 && entries[1][column] == 0 && entries[2][column] == 0)
            return false;
    return std::all_of(entries.begin(), entries.end(), [unknowns](const std::array<int, kColumns>& row) {
        return leadingColumn(row) < unknowns;
    });
}

bool handWorkable(const ExactMatrix& matrix)
{
    for (const auto& row : matrix)
        for (const Rational& entry : row) {
            const auto words = entry.inWords();
            if (!words || words->denominator > kLargestDenominator || words->numerator > kLargestNumerator
                || words->numerator < -kLargestNumerator)
                return false;
        }
    return true;
}

// The rules every exercise keeps: the entries are within -9..9 and no row
// is zero by construction; no two rows are the same either.
bool keepsTheRules(const BasicMatrix<int>& entries, const Target& target)
{
    if (entries[0] == entries[1] || entries[0] == entries[2] || entries[1] == entries[2])
        return false;
    if (inRowEchelonForm(entries) || !everyUnknownAndEquationCounts(entries, target.unknowns))
        return false;
    const ReducedForm form = continueToReducedForm(entryWise(entries, [](int entry) { return Rational(entry); }));
    if (form.pivotColumns != target.pivotColumns)
        return false;
    return std::all_of(form.steps.begin(), form.steps.end(),
                       [](const ReducedFormStep& step) { return handWorkable(step.matrix); });
}

// Taken only when every candidate broke a rule, so that an exercise is
// always there.
BasicMatrix<int> fixedExercise(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::OneSolution:
        return {{{1, 1, 1, 0, 0, 6}, {2, -1, 1, 0, 0, 3}, {1, 2, -1, 0, 0, 2}}};
    case ExerciseKind::InfinitelyManySolutions:
        return {{{1, 2, -1, 0, 0, 3}, {2, 5, 1, 0, 0, 8}, {3, 7, 0, 0, 0, 11}}};
    default:
        return {{{1, 2, -1, 0, 0, 3}, {2, 5, 1, 0, 0, 8}, {3, 7, 0, 0, 0, 9}}};
    }
}

UnknownsInUse firstUnknowns(int count)
{
    UnknownsInUse inUse{};
    for (int column = 0; column < count; ++column)
        inUse[column] = true;
    return inUse;
}

}  // namespace

Exercise makeExercise(int number, ExerciseKind kind)
{
    if (number < kFirstExerciseNumber || number > kLastExerciseNumber)
        throw std::out_of_range("exercise number out of range");
    Draws draws(seedOf(number, kind));
    if (kind == ExerciseKind::AnyKind)
        return makeExercise(number, static_cast<ExerciseKind>(draws.between(0, 2)));

    const Target shape = drawShape(kind, draws);
    for (int candidate = 0; candidate < kCandidates; ++candidate) {
        const Target target = drawTarget(shape, kind, draws);
        BasicMatrix<int> entries{};
        if (drawRows(target, draws, entries) && keepsTheRules(entries, target))
            return {number, kind, entries, firstUnknowns(target.unknowns)};
    }
    return {number, kind, fixedExercise(kind), firstUnknowns(3)};
}

}  // namespace rowsweep
