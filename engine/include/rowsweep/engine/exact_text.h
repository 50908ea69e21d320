#pragma once

// Cell text and exact rationals: what a cell says, read as the exact value
// written ("0.1" is 1/10, not the nearest double), and an exact value
// written as an integer, a fraction or a rounded decimal.

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

#include "rowsweep/engine/small_fraction.h"
#include "rowsweep/engine/written_number.h"

namespace rowsweep {

// The exact value of a cell's text. Reads the texts parseCellText reads
// (blanks around, an optional sign, digits with an optional point, an
// optional exponent), with the same verdict on range: a literal beyond the
// double range is not a number, one too small for a double counts as
// exactly 0. With `fractions`, "p/q" reads as the exact quotient of two
// such numbers, each with blanks around it; q must not be 0. Without,
// a fraction is not a number.
[[nodiscard]] std::optional<mpq_class> parseExactCellText(std::string_view text, bool fractions);

// An exact value as a cell shows it (writtenNumber): an integer as its
// digits ("-3"), a fraction in lowest terms with the sign in front
// ("-7/4"), each while its numerator stays below 10^15 and its denominator
// at most 1,000,000, anything else as exactDecimalText. Every integer or
// fraction written reads back through parseExactCellText (with fractions)
// as the same value.
[[nodiscard]] std::string formatExactCellText(const mpq_class& value);
[[nodiscard]] std::string formatExactCellText(const SmallFraction& value);

// The value correctly rounded (half to even) to 15 significant digits and
// laid out as "%.15g" lays out doubles, with no limit on the exponent:
// "0.333333333333333", "1.1875", "1e-05", "1.5e+20", "1e+600".
[[nodiscard]] std::string exactDecimalText(const mpq_class& value);

}  // namespace rowsweep
