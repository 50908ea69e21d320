#pragma once

#include <optional>
#include <string_view>

#include "rowsweep/engine/rational.h"

namespace rowsweep {

// How many decimal digits an exact value read from a cell may have before
// its point, and as many after it: 10^99999, of 100,000 digits, and
// 10^-100000 are read, 10^100000 and 10^-100001 are not. Nothing exact
// needs the range of doubles, but memory and time need a bound.
inline constexpr long long kMostExactDigits = 100000;

// A cell's text read exactly: its value, or why it has none.
struct ExactReading {
    std::optional<Rational> value;
    // The text is a number of the cell grammar whose exact form needs more
    // than kMostExactDigits digits on one side of the point ("1e999999").
    bool tooLong = false;
};

// The exact value of a cell's text, as written ("0.1" is 1/10, not the
// nearest double; "1e-400" is 10^-400, "1e400" is 10^400). Reads the texts
// parseCellText reads (blanks around, an optional sign, digits with an
// optional point, an optional exponent), with kMostExactDigits in place of
// the double range. With `fractions`, "p/q" reads as the exact quotient of
// two such numbers, each with blanks around it; q must not be 0. Without,
// a fraction is not a number.
[[nodiscard]] ExactReading readExactCellText(std::string_view text, bool fractions);

// The value alone, for a reader that need not say why there is none.
[[nodiscard]] std::optional<Rational> parseExactCellText(std::string_view text, bool fractions);

}  // namespace rowsweep
