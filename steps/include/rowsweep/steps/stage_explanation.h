#pragma once

#include <cstddef>

#include <QString>
#include <QStringList>

#include "rowsweep/engine/no_change.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// The names of the stages as their frames show them: "Step 1" .. "Answer".
[[nodiscard]] QString stageName(std::size_t stage);

// The operation in words, rows counted from 1 and the factor written as a
// cell of its arithmetic writes numbers: "Exchange rows 1 and 2",
// "Divide row 1 by 4", "Subtract 4/3 × row 1 from row 2",
// "Add 3 × row 1 to row 3", "Add row 3 divided by 5 to row 2".
[[nodiscard]] QString describeOperation(const WrittenOperation& operation);

// What one stage did, a line per operation that changed something (a
// division by 1 runs but is left out), or the one line that says why the
// stage's tests left the matrix as it was.
[[nodiscard]] QStringList explainStage(const WrittenStage& stage);

// "No change: row 2 already has 0 in column 1".
[[nodiscard]] QString noChangeLine(const NoChange& reason);

}  // namespace rowsweep::steps
