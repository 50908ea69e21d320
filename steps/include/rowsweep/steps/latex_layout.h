#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "rowsweep/engine/matrix.h"

namespace rowsweep::steps {

// The LaTeX of each entry of one matrix, [row][column], and which rows
// hold a built-up fraction, which reaches above and below the line.
struct LatexMatrix {
    std::array<std::array<QString, kColumns>, kRows> entries;
    std::array<bool, kRows> holdsFraction{};
};

struct LatexStep {
    QStringList operations;  // the arrow's label, a line each
    LatexMatrix matrix;      // the matrix the arrow leads to
};

struct LatexChain {
    LatexMatrix input;
    std::vector<LatexStep> steps;
};

// The chain as an align* that fits a default article page: the input and
// the first step share a line where they fit, and every later step has a
// line of its own; a chain too wide for the page is set in a smaller size,
// each matrix on its own line.
[[nodiscard]] QString layOutChain(const LatexChain& chain);

}  // namespace rowsweep::steps
