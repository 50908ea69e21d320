#pragma once

#include <array>
#include <vector>

#include <gmpxx.h>

#include "rowsweep/engine/exact_reduction.h"

namespace rowsweep {

// x1 .. x5: every column but the right-hand side.
inline constexpr int kUnknowns = kColumns - 1;

// An unknown fixed by a pivot row, written as
//   x_unknown = constant + sum over free j of freeCoefficients[j] * x_j.
// The coefficients are stored as they appear on that right-hand side, that
// is already negated from the reduced row: the row 1 0 -17 2 -28 | -1 gives
// x1 = -1 + 17 x3 - 2 x4 + 28 x5. Unknowns that are not free have
// coefficient 0 (the pivot's own column and the other pivot columns).
struct PivotUnknown {
    int unknown;  // its column, counted from 0
    mpq_class constant;
    std::array<mpq_class, kUnknowns> freeCoefficients;
};

struct Verdict {
    bool solvable = true;
    // Solvable only: which unknowns may take any value, and the others in
    // increasing column order, which is also the order of their pivot rows.
    // Both are left all false and empty when there is no solution, so that
    // nothing can show a solution for it.
    std::array<bool, kUnknowns> isFree{};
    std::vector<PivotUnknown> pivots;
    // No solution: the first row of the reduced matrix that reads 0 = c with
    // c not 0, counted from 0 as the rows stand after the exchanges made
    // while finding pivots, and its c. -1 and 0 when solvable.
    int contradictionRow = -1;
    mpq_class contradictionValue;
    // The input after the complete reduction.
    ExactMatrix reduced;
};

// Decides the system exactly by a complete Gauss-Jordan reduction: for each
// of columns 0 .. 4 in turn, the first non-zero entry from the current row
// down becomes the pivot (its row exchanged up), the pivot row is scaled to
// a leading 1, and the column is cleared above and below. The right-hand
// side never holds a pivot. Entries need not be in lowest terms nor have a
// positive denominator, but every denominator must be non-zero.
[[nodiscard]] Verdict decideSystem(const ExactMatrix& input);

}  // namespace rowsweep
