#pragma once

#include <array>
#include <vector>

#include "rowsweep/engine/rational.h"
#include "rowsweep/engine/reduced_form.h"

namespace rowsweep {

// x1 .. x5: every column but the right-hand side.
inline constexpr int kUnknowns = kColumns - 1;

// Which unknowns the student's system has: a column left empty in every
// row is no part of it, though it still counts as 0 in every stage.
using UnknownsInUse = std::array<bool, kUnknowns>;
inline constexpr UnknownsInUse kAllUnknowns{true, true, true, true, true};

// An unknown fixed by a pivot row, written as
//   x_unknown = constant + sum over free j of freeCoefficients[j] * x_j.
// The coefficients are stored as they appear on that right-hand side, that
// is already negated from the reduced row: the row 1 0 -17 2 -28 | -1 gives
// x1 = -1 + 17 x3 - 2 x4 + 28 x5. Unknowns that are not free have
// coefficient 0 (the pivot's own column and the other pivot columns).
struct PivotUnknown {
    int unknown;  // its column, counted from 0
    Rational constant;
    std::array<Rational, kUnknowns> freeCoefficients;
};

struct Verdict {
    bool solvable = true;
    UnknownsInUse inUse = kAllUnknowns;
    // Solvable only: which unknowns in use may take any value, and the
    // others in increasing column order, which is also the order of their
    // pivot rows. Both are left all false and empty when there is no
    // solution, so that nothing can show a solution for it.
    std::array<bool, kUnknowns> isFree{};
    std::vector<PivotUnknown> pivots;
    // No solution: the row of the reduced form that reads 0 = 1, counted
    // from 0, and its right-hand side. -1 and 0 when solvable.
    int contradictionRow = -1;
    Rational contradictionValue;

    // Solvable, with no unknown in use: nothing was typed but right-hand
    // sides of 0.
    [[nodiscard]] bool nothingToSolve() const noexcept
    {
        return solvable && inUse == UnknownsInUse{};
    }
};

// Reads the system's solutions off its reduced form: a pivot in the
// right-hand side is a contradiction, every other pivot fixes its unknown,
// and the unknowns in use without a pivot are free.
[[nodiscard]] Verdict readVerdict(const ReducedForm& form, const UnknownsInUse& inUse = kAllUnknowns);

}  // namespace rowsweep
