#pragma once

#include "qstring_printer.h"
#include "rowsweep/steps/solve.h"
#include "worked_examples.h"

namespace rowsweep::steps::testing {

using rowsweep::testing::Rows;

inline CellTexts cellTexts(const Rows& rows)
{
    CellTexts result;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            result[row][column] = QString::fromUtf8(rows[row][column]);
    return result;
}

inline WorkedSolution solveRows(const Rows& rows, Arithmetic arithmetic = Arithmetic::FloatingPoint)
{
    return solveCells(cellTexts(rows), arithmetic);
}

}  // namespace rowsweep::steps::testing
