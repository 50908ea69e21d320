#pragma once

namespace rowsweep {

// Why a stage left the matrix as it was: the outcome of the zero tests that
// kept its row operations from running (or left only a division by 1).
// Rows and columns are counted from 0.
struct NoChange {
    enum class Kind {
        ColumnHasNoNonZero,  // every entry of `column` counts as zero
        AlreadyOne,          // `row` already has 1 in `column`
        AlreadyZero,         // `row` already has 0 in `column`
        RowsHaveZero,        // `row` and `otherRow` both have 0 in `column`
    };

    Kind kind;
    int column;
    int row = -1;       // -1 for ColumnHasNoNonZero
    int otherRow = -1;  // only for RowsHaveZero

    [[nodiscard]] static constexpr NoChange columnHasNoNonZero(int column) noexcept
    {
        return {Kind::ColumnHasNoNonZero, column};
    }
    [[nodiscard]] static constexpr NoChange alreadyOne(int row, int column) noexcept
    {
        return {Kind::AlreadyOne, column, row};
    }
    [[nodiscard]] static constexpr NoChange alreadyZero(int row, int column) noexcept
    {
        return {Kind::AlreadyZero, column, row};
    }
    [[nodiscard]] static constexpr NoChange rowsHaveZero(int row, int otherRow, int column) noexcept
    {
        return {Kind::RowsHaveZero, column, row, otherRow};
    }

    friend bool operator==(const NoChange&, const NoChange&) = default;
};

}  // namespace rowsweep
