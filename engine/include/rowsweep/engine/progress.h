#pragma once

// How far a matrix is on its way to the reduced row echelon form.

#include <array>

#include "rowsweep/engine/reduction.h"

namespace rowsweep {

struct Progress {
    // The largest k such that the first k columns (the right-hand side
    // being the sixth) form a matrix in reduced row echelon form: 0 .. 6.
    int columnsDone = 0;
    // Of the columns done, those that hold a pivot.
    std::array<bool, kColumns> pivotColumns{};

    [[nodiscard]] bool reduced() const noexcept { return columnsDone == kColumns; }
    // The pivots in the columns before `column`, counted from 0.
    [[nodiscard]] int pivotsBefore(int column) const noexcept;
};

[[nodiscard]] Progress progressOf(const ExactMatrix& matrix);

}  // namespace rowsweep
