#include "rowsweep/steps/stage_numbers.h"

namespace rowsweep::steps {

template<class Number>
StageNumbers matrixNumbers(const BasicMatrix<Number>& matrix)
{
    StageNumbers numbers;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            numbers[row][column] = writtenNumber(matrix[row][column]);
    return numbers;
}

template StageNumbers matrixNumbers(const BasicMatrix<double>&);
template StageNumbers matrixNumbers(const BasicMatrix<mpq_class>&);

StageNumbers stageNumbers(const WorkedSolution& solution, std::size_t stage)
{
    return std::visit([stage](const auto& solve) { return matrixNumbers(solve.reduction.stages[stage].matrix); },
                      solution.solve);
}

}  // namespace rowsweep::steps
