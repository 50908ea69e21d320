#pragma once

#include <array>

#include <QString>

#include "rowsweep/engine/verdict.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// One row of an augmented matrix as the equation a student writes for it,
// over the unknowns in use: "2x1 + x2 − x3 = 8". A term whose coefficient
// is 0 is left out and a coefficient of 1 is not written; a whole or
// plain decimal coefficient stands right before its unknown ("0.5x2"),
// any other apart from it ("3/4 x3"). Signs are minus signs (U+2212), as
// on paper; an equation without a term left reads "0 = 8".
[[nodiscard]] QString equationText(const std::array<WrittenNumber, kColumns>& row, const UnknownsInUse& inUse);

}  // namespace rowsweep::steps
