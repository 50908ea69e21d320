#include "rowsweep/steps/stage_numbers.h"

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep::steps {

template<class Number>
StageNumbers matrixNumbers(const BasicMatrix<Number>& matrix)
{
    return entryWise(matrix, [](const Number& value) { return writtenNumber(value); });
}

template StageNumbers matrixNumbers(const BasicMatrix<double>&);
template StageNumbers matrixNumbers(const BasicMatrix<Rational>&);

StageNumbers stageNumbers(const WorkedSolution& solution, std::size_t stage)
{
    return std::visit([stage](const auto& solve) { return matrixNumbers(solve.reduction.stages[stage].matrix); },
                      solution.solve);
}

}  // namespace rowsweep::steps
