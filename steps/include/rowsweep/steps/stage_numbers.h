#pragma once

#include <array>
#include <cstddef>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/written_number.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

using StageNumbers = std::array<std::array<WrittenNumber, kColumns>, kRows>;

// The numbers a grid shows for the matrix after one stage (the last is the
// answer) in their written form, whose texts are the stage's texts: what
// the cells draw from, without reading their own text back.
[[nodiscard]] StageNumbers stageNumbers(const WorkedSolution& solution, std::size_t stage);

// A matrix in the written forms of its arithmetic: the numbers the Reduced
// Form window draws for the exact Answer and each step after it.
template<class Number>
[[nodiscard]] StageNumbers matrixNumbers(const BasicMatrix<Number>& matrix);

}  // namespace rowsweep::steps
