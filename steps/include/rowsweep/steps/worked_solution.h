#pragma once

#include <array>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/reduction.h"

namespace rowsweep::steps {

// Everything one Solve worked out, kept so that it can be handed in.
struct WorkedSolution {
    Matrix input{};  // as read: a cell that is not a number counts as 0
    CellMask unreadable{};  // held text that is not a number; blank cells do not count
    Reduction reduction{};
    bool warned = false;  // the "Math error" warning was shown
};

// The texts of one grid as spreadsheets copy them and a paste fills a grid
// from them: a line per row, the six values separated by tabs.
[[nodiscard]] QString gridCopyText(const std::array<std::array<QString, kColumns>, kRows>& texts);

// The whole solution as plain text: the input, then each stage's name,
// what it did and the matrix after it, columns aligned and a bar before the
// augmented column; then the warning, when it was shown.
[[nodiscard]] QString workedSolutionText(const WorkedSolution& solution);

// The chain of matrices as a LaTeX fragment that needs only amsmath: each
// arrow carries the row operations of one stage; stages that changed
// nothing are left out.
[[nodiscard]] QString workedSolutionLatex(const WorkedSolution& solution);

// A number as a cell writes it, in LaTeX: "\infty", "\mathrm{NaN}",
// "1.5 \times 10^{-16}".
[[nodiscard]] QString latexNumber(double value);

}  // namespace rowsweep::steps
