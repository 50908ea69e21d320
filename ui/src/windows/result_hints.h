#pragma once

#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

// Where the floating-point warning misleads, what the result grid says.
[[nodiscard]] QStringList resultHints(const steps::WorkedSolution& solution);

}  // namespace rowsweep::ui
