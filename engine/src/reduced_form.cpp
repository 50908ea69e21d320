#include "rowsweep/engine/reduced_form.h"

#include <utility>

namespace rowsweep {

namespace {

// Whether the column's pivot still has to be brought up, scaled or cleared
// around: a column already in place is no step.
bool needsWork(const ExactMatrix& matrix, int column, int pivotRow, int found)
{
    if (found != pivotRow || matrix[pivotRow][column] != 1)
        return true;
    for (int row = 0; row < kRows; ++row)
        if (row != pivotRow && !matrix[row][column].isZero())
            return true;
    return false;
}

}  // namespace

ReducedForm continueToReducedForm(const ExactMatrix& answer)
{
    ReducedForm form;
    form.start = answer;
    // Each step works on a copy of the matrix before it; at most one step
    // per row, so the one before never moves.
    form.steps.reserve(kRows);
    const ExactMatrix* before = &form.start;
    int pivotRow = 0;
    for (int column = 0; column < kColumns && pivotRow < kRows; ++column) {
        int found = pivotRow;
        while (found < kRows && (*before)[found][column].isZero())
            ++found;
        if (found == kRows)
            continue;
        form.pivotColumns.push_back(column);
        if (!needsWork(*before, column, pivotRow, found)) {
            ++pivotRow;
            continue;
        }

        ReducedFormStep& step = form.steps.emplace_back(ReducedFormStep{{}, *before});
        ExactMatrix& matrix = step.matrix;
        ExactStageOperations& operations = step.operations;
        if (found != pivotRow) {
            operations.add({RowOperationKind::Exchange, pivotRow, found});
            std::swap(matrix[pivotRow], matrix[found]);
        }
        // Left of the pivot the pivot row holds only zeros: the columns
        // before it were cleared or had nothing from this row down.
        auto& pivotEntries = matrix[pivotRow];
        if (pivotEntries[column] != 1) {
            const Rational& divisor =
                operations.add({RowOperationKind::Divide, pivotRow, pivotRow, pivotEntries[column]}).factor;
            for (int c = column; c < kColumns; ++c)
                if (!pivotEntries[c].isZero())
                    pivotEntries[c] /= divisor;
        }
        for (int row = 0; row < kRows; ++row) {
            if (row == pivotRow || matrix[row][column].isZero())
                continue;
            const Rational& factor =
                operations.add({RowOperationKind::SubtractMultiple, row, pivotRow, matrix[row][column]}).factor;
            for (int c = column; c < kColumns; ++c)
                if (!pivotEntries[c].isZero())
                    matrix[row][c] -= factor * pivotEntries[c];
        }
        before = &matrix;
        ++pivotRow;
    }
    return form;
}

}  // namespace rowsweep
