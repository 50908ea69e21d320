#pragma once

#include <vector>

#include <QStringList>

#include "page_look.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::document {

// A matrix's texts, a list per row, every row as long; the last entry of
// a row is its augmented column.
using MatrixTexts = std::vector<QStringList>;

// A matrix in brackets with a bar before the augmented column, its values
// right-aligned: at the body size when it fits the width from `indent` on,
// else at the largest size that fits, else at the smallest size with its
// values wrapped, never clipped. A line a line of its values.
[[nodiscard]] std::vector<Line> matrixLines(const Look& look, const MatrixTexts& texts, qreal indent);
[[nodiscard]] std::vector<Line> matrixLines(const Look& look, const steps::CellTexts& texts, qreal indent);

}  // namespace rowsweep::document
