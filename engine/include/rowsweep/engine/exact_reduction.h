#pragma once

// The reduction in exact rational arithmetic: the same six stages and
// tests as on doubles, but every entry and factor is a fraction, so
// nothing is rounded and no infinity or NaN can arise.

#include <gmpxx.h>

#include "rowsweep/engine/reduction.h"

namespace rowsweep {

using ExactMatrix = BasicMatrix<mpq_class>;
using ExactRowOperation = BasicRowOperation<mpq_class>;
using ExactStageOperations = BasicStageOperations<mpq_class>;
using ExactStage = BasicStage<mpq_class>;
using ExactReduction = BasicReduction<mpq_class>;

// The zero test in exact arithmetic: exactly zero.
[[nodiscard]] inline bool isZero(const mpq_class& value) noexcept
{
    return sgn(value) == 0;
}

// As reduce(const Matrix&), in exact arithmetic. The warning flag is set
// when the third row of the exact answer is not all zero.
[[nodiscard]] ExactReduction reduce(const ExactMatrix& input);

namespace detail {
// The same reduction with every step in GMP's fractions, as reduce() runs
// it for matrices whose numbers outgrow machine words; the two agree on
// every input.
[[nodiscard]] ExactReduction reduceInGmpFractions(const ExactMatrix& input);
}  // namespace detail

}  // namespace rowsweep
