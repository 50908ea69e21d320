#pragma once

// The way on from the six stages' Answer to the reduced row echelon form
// of the augmented matrix, always in exact fractions.

#include <vector>

#include "rowsweep/engine/reduction.h"

namespace rowsweep {

// One pivot column's work: the rows exchanged to bring the pivot up, the
// pivot row divided to a leading 1, the column cleared in the other rows
// top to bottom; and the matrix after it. Rows and columns from 0.
struct ReducedFormStep {
    ExactStageOperations operations;
    ExactMatrix matrix;
};

struct ReducedForm {
    ExactMatrix start;  // the Answer it went on from
    // Only columns whose work changed something; none when the Answer
    // already is in reduced form.
    std::vector<ReducedFormStep> steps;
    // The pivot column of each pivot row, top to bottom. The right-hand
    // side holds a pivot only when the equations contradict each other.
    std::vector<int> pivotColumns;

    [[nodiscard]] const ExactMatrix& matrix() const noexcept { return steps.empty() ? start : steps.back().matrix; }
};

// Gauss-Jordan elimination: for each column 0 .. 5 in turn, while a row is
// left to take a pivot, the first non-zero entry at or below the next
// pivot row is the pivot. The result is what rref of the augmented matrix
// gives in any computer algebra system.
[[nodiscard]] ReducedForm continueToReducedForm(const ExactMatrix& answer);

}  // namespace rowsweep
