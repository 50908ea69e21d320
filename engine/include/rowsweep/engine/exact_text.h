#pragma once

#include <optional>
#include <string_view>

#include "rowsweep/engine/rational.h"

namespace rowsweep {

// The exact value of a cell's text, as written ("0.1" is 1/10, not the
// nearest double). Reads the texts parseCellText reads (blanks around, an
// optional sign, digits with an optional point, an optional exponent),
// with the same verdict on range: a literal beyond the double range is not
// a number, one too small for a double counts as exactly 0. With
// `fractions`, "p/q" reads as the exact quotient of two such numbers, each
// with blanks around it; q must not be 0. Without, a fraction is not a
// number.
[[nodiscard]] std::optional<Rational> parseExactCellText(std::string_view text, bool fractions);

}  // namespace rowsweep
