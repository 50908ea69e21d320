#pragma once

#include <QString>

#include "rowsweep/engine/rational.h"
#include "rowsweep/engine/written_number.h"

namespace rowsweep::steps {

// A number as the cells write it. A double: up to 15 significant digits,
// "Infinity", "-Infinity" or "NaN". An exact value: an integer, a fraction
// in lowest terms, or a 15-digit decimal when its denominator is large.
[[nodiscard]] QString numberText(const WrittenNumber& number);
[[nodiscard]] QString numberText(double value);
[[nodiscard]] QString numberText(const Rational& value);

// A sign for either arithmetic: a row operation with a negative multiple
// reads as an addition.
[[nodiscard]] inline bool isNegative(double value)
{
    return value < 0;
}
[[nodiscard]] inline bool isNegative(const Rational& value)
{
    return value.sign() < 0;
}

// What hovering a cell adds to its text: the decimal value of a fraction
// ("= 1.1875" for "19/16"), or the simple fraction a 15-digit decimal was
// rounded from ("≈ 1/3" for "0.333333333333333", but only when that
// fraction, written as a cell writes it, gives exactly the cell's text).
// Empty for anything else.
[[nodiscard]] QString valueHint(const QString& text);

}  // namespace rowsweep::steps
