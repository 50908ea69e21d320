#pragma once

// The reduction in exact rational arithmetic: the same six stages and
// tests as on doubles, but every entry and factor is a fraction, so
// nothing is rounded and no infinity or NaN can arise.

#include <optional>

#include <gmpxx.h>

#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/small_fraction.h"

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

// Everyday matrices are reduced, and their stages handed on, in machine
// words: then no number of a Solve allocates. The same stages as reduce()
// gives, with the same values.
using SmallMatrix = BasicMatrix<SmallFraction>;
using SmallReduction = BasicReduction<SmallFraction>;

// The input in machine words; none when an entry does not fit one.
[[nodiscard]] std::optional<SmallMatrix> inMachineWords(const ExactMatrix& input);
// None when a number on the way outgrows a machine word.
[[nodiscard]] std::optional<SmallReduction> reduceInMachineWords(const SmallMatrix& input);

[[nodiscard]] mpq_class exactValue(const SmallFraction& value);
[[nodiscard]] ExactMatrix exactMatrix(const SmallMatrix& small);

namespace detail {
// The same reduction with every step in GMP's fractions, as reduce() runs
// it for matrices whose numbers outgrow machine words; the two agree on
// every input.
[[nodiscard]] ExactReduction reduceInGmpFractions(const ExactMatrix& input);
}  // namespace detail

}  // namespace rowsweep
