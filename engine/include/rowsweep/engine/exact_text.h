#pragma once

// Cell text and exact rationals: what a cell says, read as the exact value
// written ("0.1" is 1/10, not the nearest double), and an exact value
// written as an integer, a fraction or a rounded decimal.

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

namespace rowsweep {

// The exact value of a cell's text. Reads the texts parseCellText reads
// (blanks around, an optional sign, digits with an optional point, an
// optional exponent), with the same verdict on range: a literal beyond the
// double range is not a number, one too small for a double counts as
// exactly 0. With `fractions`, "p/q" reads as the exact quotient of two
// such numbers, each with blanks around it; q must not be 0. Without,
// a fraction is not a number.
[[nodiscard]] std::optional<mpq_class> parseExactCellText(std::string_view text, bool fractions);

// The largest denominator written as a fraction; beyond it a value is
// written as a decimal.
inline constexpr unsigned long kLargestWrittenDenominator = 1000000;

// An exact value as a cell shows it: an integer as its digits ("-3"), a
// fraction with a denominator up to kLargestWrittenDenominator in lowest
// terms with the sign in front ("-7/4"), anything else as exactDecimalText.
// Every integer or fraction written reads back through parseExactCellText
// (with fractions) as the same value: a numerator beyond the double range
// is written as a decimal instead.
[[nodiscard]] std::string formatExactCellText(const mpq_class& value);

// The value correctly rounded (half to even) to 15 significant digits and
// laid out as "%.15g" lays out doubles, with no limit on the exponent:
// "0.333333333333333", "1.1875", "1e-05", "1.5e+20", "1e+600".
[[nodiscard]] std::string exactDecimalText(const mpq_class& value);

}  // namespace rowsweep
