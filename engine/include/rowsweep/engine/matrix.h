#pragma once

#include <array>

namespace rowsweep {

// Three rows of six entries; the sixth column is the augmented one.
inline constexpr int kRows = 3;
inline constexpr int kColumns = 6;

// Indexed [row][column], both counted from 0.
using Matrix = std::array<std::array<double, kColumns>, kRows>;

// One flag per entry, such as which cells held text that is not a number.
using CellMask = std::array<std::array<bool, kColumns>, kRows>;

}  // namespace rowsweep
