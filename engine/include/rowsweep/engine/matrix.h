#pragma once

#include <array>
#include <type_traits>

namespace rowsweep {

// Three rows of six entries; the sixth column is the augmented one.
inline constexpr int kRows = 3;
inline constexpr int kColumns = 6;

// Indexed [row][column], both counted from 0. The reduction runs on doubles
// (Matrix) or on exact rationals (ExactMatrix, in reduction.h).
template<class Number>
using BasicMatrix = std::array<std::array<Number, kColumns>, kRows>;

using Matrix = BasicMatrix<double>;

// What `write` makes of each entry, in the entry's place: the texts, the
// written forms or the LaTeX of a matrix.
template<class Number, class Write>
[[nodiscard]] auto entryWise(const BasicMatrix<Number>& matrix, Write write)
{
    BasicMatrix<std::decay_t<decltype(write(matrix[0][0]))>> result;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            result[row][column] = write(matrix[row][column]);
    return result;
}

// One flag per entry, such as which cells held text that is not a number.
using CellMask = std::array<std::array<bool, kColumns>, kRows>;

}  // namespace rowsweep
