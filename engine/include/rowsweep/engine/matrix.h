#pragma once

#include <array>

namespace rowsweep {

// Three rows of six entries; the sixth column is the augmented one.
inline constexpr int kRows = 3;
inline constexpr int kColumns = 6;

// Indexed [row][column], both counted from 0. The reduction runs on doubles
// (Matrix) or on exact rationals (ExactMatrix, in exact_reduction.h).
template<class Number>
using BasicMatrix = std::array<std::array<Number, kColumns>, kRows>;

using Matrix = BasicMatrix<double>;

// One flag per entry, such as which cells held text that is not a number.
using CellMask = std::array<std::array<bool, kColumns>, kRows>;

}  // namespace rowsweep
