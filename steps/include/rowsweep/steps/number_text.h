#pragma once

#include <QString>

#include "rowsweep/engine/written_number.h"

namespace rowsweep::steps {

// A number as the cells write it: "-7/4", "0.333333333333333", "Infinity".
[[nodiscard]] QString numberText(const WrittenNumber& number);

// What hovering a cell adds to its text: the decimal value of a fraction
// ("= 1.1875" for "19/16"), or the simple fraction a 15-digit decimal was
// rounded from ("≈ 1/3" for "0.333333333333333", but only when that
// fraction, written as a cell writes it, gives exactly the cell's text).
// Empty for anything else.
[[nodiscard]] QString valueHint(const QString& text);

}  // namespace rowsweep::steps
