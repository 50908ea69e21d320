#pragma once

// Why a floating-point "Math error" says nothing about the system, when
// exact arithmetic leaves row 3 of the answer all zero: rounding left a
// residue there, or the numbers went beyond the range of floating point
// and row 3 holds an infinity or NaN.

#include <QString>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The hint for a warning that misleads; empty for any other solution.
[[nodiscard]] QString misleadingWarningHint(const WorkedSolution& solution);

[[nodiscard]] QString roundingHint();
[[nodiscard]] QString rangeHint();

}  // namespace rowsweep::steps
