#include "rowsweep/engine/verdict.h"

#include <cstddef>

namespace rowsweep {

namespace {

constexpr int kRightHandSide = kColumns - 1;

}  // namespace

Verdict readVerdict(const ReducedForm& form, const UnknownsInUse& inUse)
{
    Verdict verdict;
    verdict.inUse = inUse;
    const ExactMatrix& reduced = form.matrix();
    const auto pivotRows = static_cast<int>(form.pivotColumns.size());
    if (pivotRows > 0 && form.pivotColumns.back() == kRightHandSide) {
        verdict.solvable = false;
        verdict.contradictionRow = pivotRows - 1;
        verdict.contradictionValue = reduced[pivotRows - 1][kRightHandSide];
        return verdict;
    }

    // An unknown not in use has 0 in every row, so it takes no pivot and
    // no free coefficient.
    verdict.isFree = inUse;
    for (const int column : form.pivotColumns)
        verdict.isFree[column] = false;
    verdict.pivots.reserve(form.pivotColumns.size());
    for (int row = 0; row < pivotRows; ++row) {
        const auto& entries = reduced[row];
        PivotUnknown& pivot = verdict.pivots.emplace_back();
        pivot.unknown = form.pivotColumns[static_cast<std::size_t>(row)];
        pivot.constant = entries[kRightHandSide];
        for (int column = 0; column < kUnknowns; ++column)
            if (verdict.isFree[column])
                pivot.freeCoefficients[column] = -entries[column];
    }
    return verdict;
}

}  // namespace rowsweep
