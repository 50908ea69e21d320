#pragma once

#include <QString>

#include "rowsweep/engine/rational.h"
#include "rowsweep/engine/written_number.h"

namespace rowsweep::steps {

// A matrix entry in LaTeX, from the number as a cell writes it: "\infty",
// "\mathrm{NaN}", "1.5 \times 10^{-16}", "-\frac{7}{4}".
[[nodiscard]] QString latexNumber(const WrittenNumber& number);
[[nodiscard]] QString latexNumber(double value);
[[nodiscard]] QString latexNumber(const Rational& value);

// A number that multiplies something, where a fraction is set small:
// "\tfrac{3}{2}", "17", "1 \times 10^{300}".
[[nodiscard]] QString latexCoefficient(const WrittenNumber& number);
[[nodiscard]] QString latexCoefficient(const Rational& value);

// A number that multiplies or divides a row, in parentheses where its sign
// or its power of ten would otherwise run into the operation:
// "\tfrac{3}{2}", "(-0.5)", "(1 \times 10^{300})".
[[nodiscard]] QString latexFactor(const WrittenNumber& number);

// Whether the number is written with a power of ten.
[[nodiscard]] bool hasPowerOfTen(const WrittenNumber& number);

}  // namespace rowsweep::steps
