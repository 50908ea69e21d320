#pragma once

#include <array>

#include <QString>

#include "worked_examples.h"

namespace rowsweep::testing {

// A hand-written matrix as the eighteen texts of a grid.
inline std::array<std::array<QString, kColumns>, kRows> cellTexts(const Rows& rows)
{
    std::array<std::array<QString, kColumns>, kRows> result;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            result[row][column] = QString::fromUtf8(rows[row][column]);
    return result;
}

}  // namespace rowsweep::testing
