#pragma once

// A double and the text of its cell, both ways.

#include <optional>
#include <string_view>

#include "rowsweep/engine/written_number.h"

namespace rowsweep {

// Text of a cell to a number. Accepts optional blanks (space or tab) around
// an optional sign, digits with an optional decimal point (".5" and "5." are
// numbers) and an optional exponent. Everything else, including every
// spelling of infinity and NaN, is not a number. Locale-independent.
// A literal beyond the double range is not a number; one too small to
// represent reads as the nearest double, which may be a signed zero.
[[nodiscard]] std::optional<double> parseCellText(std::string_view text) noexcept;

// A double as its cell writes it: up to 15 significant digits in the style
// of "%.15g" in the C locale, always a Decimal, except that minus zero is
// "0" and the non-finite values are Infinity and NotANumber ("Infinity",
// "-Infinity", "NaN"), none of which read back as a number. Every finite
// value reads back as a number, zero exactly when it is zero: the few
// largest doubles, which would round to 15 digits beyond the double range,
// are written with the digits they need.
[[nodiscard]] WrittenNumber writtenNumber(double value);

// The zero test of every decision: equal to zero, or unordered with it.
// So minus zero and NaN both count as zero.
[[nodiscard]] constexpr bool isZero(double value) noexcept
{
    return !(value < 0.0 || value > 0.0);
}

// Whether a value, written into a cell, reads back as zero: only a finite
// zero does ("Infinity" and "NaN" are not numbers).
[[nodiscard]] bool readsBackAsZero(double value) noexcept;

}  // namespace rowsweep
