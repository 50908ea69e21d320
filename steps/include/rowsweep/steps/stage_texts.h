#pragma once

#include <cstddef>

#include <QString>
#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// A matrix's texts as its cells write them.
[[nodiscard]] CellTexts matrixTexts(const WrittenMatrix& matrix);
// The input as read, written as cells of the solution's arithmetic write numbers.
[[nodiscard]] CellTexts inputTexts(const WorkedSolution& solution);

// The texts a grid shows for the matrix after one stage (the last is the
// answer), written as cells of the solution's arithmetic write numbers.
[[nodiscard]] CellTexts stageTexts(const WorkedSolution& solution, std::size_t stage);

// What one stage did, as its frame explains it; the answer's explanation
// ends with misleadingWarningHint when exact arithmetic leaves row 3 zero.
[[nodiscard]] QStringList explainStage(const WorkedSolution& solution, std::size_t stage);

// The line that points from a warning to the solutions found all the same.
[[nodiscard]] QString solutionsDespiteWarning();

}  // namespace rowsweep::steps
