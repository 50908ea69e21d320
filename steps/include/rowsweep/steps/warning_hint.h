#pragma once

// Why a floating-point "Math error" says nothing about the system, when
// exact arithmetic leaves row 3 of the answer all zero: a typed value
// beyond the range of floating point counted as 0 there, rounding left a
// residue, or the numbers went beyond the range of floating point and row
// 3 holds an infinity or NaN.

#include <QString>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The hint for a warning that misleads; empty for any other solution.
[[nodiscard]] QString misleadingWarningHint(const WorkedSolution& solution);

[[nodiscard]] QString readingHint();
[[nodiscard]] QString roundingHint();
[[nodiscard]] QString rangeHint();
// Why the verdict line may disagree with a floating-point result without a warning.
[[nodiscard]] QString typedBeyondRangeHint();

}  // namespace rowsweep::steps
