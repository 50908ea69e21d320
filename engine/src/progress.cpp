#include "rowsweep/engine/progress.h"

namespace rowsweep {

int Progress::pivotsBefore(int column) const noexcept
{
    int pivots = 0;
    for (int before = 0; before < column; ++before)
        pivots += pivotColumns[before] ? 1 : 0;
    return pivots;
}

Progress progressOf(const ExactMatrix& matrix)
{
    Progress progress;
    int pivotRow = 0;
    for (int column = 0; column < kColumns; ++column) {
        bool zeroFromPivotRow = true;
        for (int row = pivotRow; row < kRows; ++row)
            zeroFromPivotRow = zeroFromPivotRow && matrix[row][column].isZero();
        if (!zeroFromPivotRow) {
            // A new pivot: a leading 1 with 0 everywhere else in its column.
            if (matrix[pivotRow][column] != 1)
                return progress;
            for (int row = 0; row < kRows; ++row)
                if (row != pivotRow && !matrix[row][column].isZero())
                    return progress;
            progress.pivotColumns[column] = true;
            ++pivotRow;
        }
        progress.columnsDone = column + 1;
    }
    return progress;
}

}  // namespace rowsweep
