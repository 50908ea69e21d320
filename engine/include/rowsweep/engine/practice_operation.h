#pragma once

// The three elementary row operations a student takes in practice, on
// exact fractions. Rows are counted from 0.

#include <optional>

#include "rowsweep/engine/reduction.h"

namespace rowsweep {

struct PracticeOperation {
    enum class Kind { Exchange, Multiply, AddMultiple };

    Kind kind = Kind::Exchange;
    int target = 0;  // the row that changes; Exchange: the first row written
    int source = 0;  // Exchange: the other row; AddMultiple: the row added; Multiply: `target`
    // Multiply: the factor, never 0; AddMultiple: c in Ri -> Ri + c Rk;
    // Exchange: 1.
    Rational factor{1};

    friend bool operator==(const PracticeOperation&, const PracticeOperation&) = default;
};

// The matrix after the operation, in exact arithmetic.
void applyOperation(const PracticeOperation& operation, ExactMatrix& matrix);

// The first operation of the Gauss-Jordan continuation from the matrix,
// as the Reduced Form window takes it (an exchange, a division written as
// a multiplication by the reciprocal, a subtraction written as adding the
// negative multiple); none in reduced row echelon form.
[[nodiscard]] std::optional<PracticeOperation> nextGaussJordanOperation(const ExactMatrix& matrix);

// The operations of the whole continuation from the matrix.
[[nodiscard]] int gaussJordanOperationCount(const ExactMatrix& matrix);

}  // namespace rowsweep
