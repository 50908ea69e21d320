#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "rowsweep/engine/written_number.h"

namespace rowsweep::ui {

// Whether a text fits the room it is to be drawn in; a text of two lines
// has them separated by "\n".
using FitsRoom = std::function<bool(const QString&)>;

// What a cell draws in place of a text too wide for it, from the number's
// written form: never a bare ellipsis, never without its sign, its first
// significant digit or its exponent.
// - A decimal keeps its sign, its whole integer part, the point and as many
//   leading digits as fit, then "…" ("-1.3333…"); where that does not fit,
//   or it has an exponent, its sign, first digit, point, as many digits as
//   fit, "…" and the whole exponent ("2.2204…e-16"). At least two
//   significant digits always show.
// - Where the exponent does not fit on the line, it goes on a second line
//   below ("2.22…\ne-16"); a value written with an exponent whose digits
//   fit on the first line is written whole that way ("1.5\ne+20") before
//   any of it is cut.
// - An integer, a numerator or a denominator is never cut inside its
//   digits: the value is shortened as its decimal value ("15.46…" for
//   201/13, "1.0…e+300").
// - Anything else (no number, infinity, NaN, zero written long) keeps as
//   many leading characters as fit, at least one, then "…".
// Where not even the shortest of these fits, the shortest is returned.
[[nodiscard]] QString shortenedCellText(const QString& text, const std::optional<WrittenNumber>& number,
                                        const FitsRoom& fits);

}  // namespace rowsweep::ui
