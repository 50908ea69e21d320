#pragma once

// An exact value as a cell writes it.

#include <string>

#include "rowsweep/engine/rational.h"
#include "rowsweep/engine/written_number.h"

namespace rowsweep {

// "p" or "p/q" in lowest terms, the sign in front, while |p| < 10^15 and
// q <= 1,000,000; otherwise the value rounded to 15 significant digits,
// which is exact for a value of 15 significant digits or fewer ("1e+300").
// Every integer or fraction written reads back through
// parseExactCellText (with fractions) as the same value.
[[nodiscard]] WrittenNumber writtenNumber(const Rational& value);

// The value correctly rounded (half to even) to 15 significant digits and
// laid out as "%.15g" lays out doubles, with no limit on the exponent:
// "0.333333333333333", "1.1875", "1e-05", "1.5e+20", "1e+600".
[[nodiscard]] std::string exactDecimalText(const Rational& value);

}  // namespace rowsweep
