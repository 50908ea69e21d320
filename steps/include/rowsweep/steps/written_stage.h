#pragma once

// The stages of a Solve and the steps of its reduced form turned into
// written numbers once, where their arithmetic is still known; every
// writer reads what this makes.

#include <vector>

#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// For double and Rational.
template<class Number>
[[nodiscard]] WrittenMatrix writtenMatrix(const BasicMatrix<Number>& matrix);
template<class Number>
[[nodiscard]] WrittenOperation writtenOperation(const BasicRowOperation<Number>& operation);
template<class Number>
[[nodiscard]] WrittenStage writtenStage(const BasicStage<Number>& stage);

// The steps from the exact Answer on to the reduced form.
[[nodiscard]] std::vector<WrittenStage> writtenSteps(const ReducedForm& form);

}  // namespace rowsweep::steps
