#pragma once

#include <gmpxx.h>

#include <QString>

namespace rowsweep::steps {

// A number as the cells write it. A double: up to 15 significant digits,
// "Infinity", "-Infinity" or "NaN". An exact value: an integer, a fraction
// in lowest terms, or a 15-digit decimal when its denominator is large.
[[nodiscard]] QString numberText(double value);
[[nodiscard]] QString numberText(const mpq_class& value);

}  // namespace rowsweep::steps
