#include "rowsweep/steps/stage_numbers.h"

namespace rowsweep::steps {

const StageNumbers& stageNumbers(const WorkedSolution& solution, std::size_t stage)
{
    return solution.stages[stage].matrix;
}

}  // namespace rowsweep::steps
