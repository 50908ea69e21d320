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

Verdict decideSystem(const ExactMatrix& input)
{
    // GMP's arithmetic, equality and even its copy expect lowest terms with
    // a positive denominator, which a fraction read as text ("2/-4") need
    // not have: take numerator and denominator apart, then reduce.
    ExactMatrix canonical;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            mpq_ptr entry = canonical[row][column].get_mpq_t();
            mpz_set(mpq_numref(entry), mpq_numref(input[row][column].get_mpq_t()));
            mpz_set(mpq_denref(entry), mpq_denref(input[row][column].get_mpq_t()));
            mpq_canonicalize(entry);
        }
    return readVerdict(continueToReducedForm(canonical));
}

}  // namespace rowsweep
