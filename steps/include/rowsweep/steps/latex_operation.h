#pragma once

#include <QString>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// A row operation as the label of an arrow, rows counted from 1:
// "R_1 \leftrightarrow R_3", "R_1 \to \tfrac{1}{3} R_1", "R_2 \to R_2 - 4 R_1",
// "R_2 \to R_2 + R_3 / (-0.5)", "R_3 \to (-1 \times 10^{300}) R_3".
// A negative multiple or quotient is added or subtracted by its size.
[[nodiscard]] QString latexOperation(const WrittenOperation& operation);

// A number of the worked solution in LaTeX, from rowsweep/engine/latex_number.h.
[[nodiscard]] QString latex(const std::string& number);

}  // namespace rowsweep::steps
