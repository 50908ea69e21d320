#pragma once

#include <vector>

#include "page_look.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::document {

// A matrix in brackets with a bar before the augmented column, its values
// right-aligned: at the body size when it fits the width from `indent` on,
// else at the largest size that fits, else at the smallest size with its
// values wrapped, never clipped. A line a line of its values.
[[nodiscard]] std::vector<Line> matrixLines(const Look& look, const steps::CellTexts& texts, qreal indent);

}  // namespace rowsweep::document
