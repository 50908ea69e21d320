#include "rowsweep/engine/verdict.h"

#include <cstddef>
#include <utility>

namespace rowsweep {
namespace {

constexpr int kRightHandSide = kColumns - 1;

// Brings `matrix` to reduced row echelon form and returns how many pivot
// rows it has; pivotColumns[row] is the column of each of them.
int reduceCompletely(ExactMatrix& matrix, std::array<int, kRows>& pivotColumns)
{
    // Reused across the row operations, each of which would otherwise
    // allocate its own fractions; zero entries are skipped for the same
    // reason.
    mpq_class pivot, factor, product;
    int pivotRow = 0;
    for (int column = 0; column < kUnknowns && pivotRow < kRows; ++column) {
        int found = pivotRow;
        while (found < kRows && sgn(matrix[found][column]) == 0)
            ++found;
        if (found == kRows)
            continue;
        if (found != pivotRow)
            std::swap(matrix[pivotRow], matrix[found]);

        // The pivot row is 0 left of the pivot, so only the columns after
        // it change in any row.
        auto& pivotEntries = matrix[pivotRow];
        pivot.swap(pivotEntries[column]);
        pivotEntries[column] = 1;
        if (pivot != 1)
            for (int c = column + 1; c < kColumns; ++c)
                if (sgn(pivotEntries[c]) != 0)
                    pivotEntries[c] /= pivot;
        for (int row = 0; row < kRows; ++row) {
            if (row == pivotRow || sgn(matrix[row][column]) == 0)
                continue;
            factor.swap(matrix[row][column]);
            matrix[row][column] = 0;
            for (int c = column + 1; c < kColumns; ++c) {
                if (sgn(pivotEntries[c]) == 0)
                    continue;
                product = factor * pivotEntries[c];
                matrix[row][c] -= product;
            }
        }
        pivotColumns[pivotRow] = column;
        ++pivotRow;
    }
    return pivotRow;
}

}  // namespace

Verdict decideSystem(const std::array<std::array<mpq_class, kColumns>, kRows>& input)
{
    Verdict verdict;
    // GMP's arithmetic, equality and even its copy expect lowest terms with
    // a positive denominator, which a fraction read as text ("2/-4") need
    // not have: take numerator and denominator apart, then reduce.
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            mpq_ptr entry = verdict.reduced[row][column].get_mpq_t();
            mpz_set(mpq_numref(entry), mpq_numref(input[row][column].get_mpq_t()));
            mpz_set(mpq_denref(entry), mpq_denref(input[row][column].get_mpq_t()));
            mpq_canonicalize(entry);
        }

    std::array<int, kRows> pivotColumns{};
    const int pivotRows = reduceCompletely(verdict.reduced, pivotColumns);

    // Rows below the pivot rows have only zero coefficients.
    for (int row = pivotRows; row < kRows; ++row) {
        if (sgn(verdict.reduced[row][kRightHandSide]) != 0) {
            verdict.solvable = false;
            verdict.contradictionRow = row;
            verdict.contradictionValue = verdict.reduced[row][kRightHandSide];
            return verdict;
        }
    }

    verdict.isFree.fill(true);
    for (int row = 0; row < pivotRows; ++row)
        verdict.isFree[pivotColumns[row]] = false;
    verdict.pivots.reserve(static_cast<std::size_t>(pivotRows));
    for (int row = 0; row < pivotRows; ++row) {
        const auto& entries = verdict.reduced[row];
        PivotUnknown& pivot = verdict.pivots.emplace_back();
        pivot.unknown = pivotColumns[row];
        pivot.constant = entries[kRightHandSide];
        for (int column = 0; column < kUnknowns; ++column)
            if (verdict.isFree[column])
                pivot.freeCoefficients[column] = -entries[column];
    }
    return verdict;
}

}  // namespace rowsweep
