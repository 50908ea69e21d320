#pragma once

// A number in LaTeX, written from the number as a cell writes it.

#include <string>

#include "rowsweep/engine/written_number.h"

namespace rowsweep {

// A matrix entry: "\infty", "\mathrm{NaN}", "1.5 \times 10^{-16}",
// "-\frac{7}{4}".
[[nodiscard]] std::string latexNumber(const WrittenNumber& number);

// A number that multiplies something, where a fraction is set small:
// "\tfrac{3}{2}", "17", "1 \times 10^{300}".
[[nodiscard]] std::string latexCoefficient(const WrittenNumber& number);

// A number that multiplies or divides a row, in parentheses where its sign
// or its power of ten would otherwise run into the operation:
// "\tfrac{3}{2}", "(-0.5)", "(1 \times 10^{300})".
[[nodiscard]] std::string latexFactor(const WrittenNumber& number);

// Whether the number is written with a power of ten.
[[nodiscard]] bool hasPowerOfTen(const WrittenNumber& number);

}  // namespace rowsweep
