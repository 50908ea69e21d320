#pragma once

#include "cell_texts.h"
#include "qstring_printer.h"
#include "rowsweep/steps/solve.h"
#include "worked_examples.h"

namespace rowsweep::steps::testing {

using rowsweep::testing::Rows;

using rowsweep::testing::cellTexts;

inline WorkedSolution solveRows(const Rows& rows, Arithmetic arithmetic = Arithmetic::FloatingPoint)
{
    return solveCells(cellTexts(rows), arithmetic);
}

}  // namespace rowsweep::steps::testing
