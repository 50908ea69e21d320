#include "rowsweep/steps/stage_numbers.h"

namespace rowsweep::steps {

StageNumbers stageNumbers(const WorkedSolution& solution, std::size_t stage)
{
    return std::visit(
        [stage](const auto& solve) {
            StageNumbers numbers;
            const auto& matrix = solve.reduction.stages[stage].matrix;
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column)
                    numbers[row][column] = writtenNumber(matrix[row][column]);
            return numbers;
        },
        solution.solve);
}

}  // namespace rowsweep::steps
