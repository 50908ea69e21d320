#pragma once

#include <QStringList>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

// Where the floating-point warning misleads, what the result grid says.
[[nodiscard]] QStringList resultHints(const steps::WorkedSolution& solution);

// The cells of row 3 of a floating-point answer that the warning counts as
// not zero (an infinity or NaN among them): the residue it comes from.
[[nodiscard]] CellMask residueCells(const steps::WorkedSolution& solution);

}  // namespace rowsweep::ui
