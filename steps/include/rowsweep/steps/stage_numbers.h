#pragma once

#include <cstddef>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

using StageNumbers = WrittenMatrix;

// The numbers a grid shows for the matrix after one stage (the last is the
// answer) in their written form, whose texts are the stage's texts: what
// the cells draw from, without reading their own text back.
[[nodiscard]] const StageNumbers& stageNumbers(const WorkedSolution& solution, std::size_t stage);

}  // namespace rowsweep::steps
