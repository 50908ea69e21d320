#pragma once

#include <array>
#include <cstdint>

#include "rowsweep/engine/cell_grid.h"

namespace rowsweep {

using Matrix = std::array<std::array<double, kColumns>, kRows>;

enum class SolveOutcome {
    ThirdRowZero,     // nothing to warn about
    ThirdRowNotZero,  // the caller warns that there is probably no solution
};

// The numeric state of the main window and the fixed reduction it runs.
//
// The reduction brings column 0 to (1, 0, 0) and column 1 to (0, 1, 0) where
// the zero tests allow, by a fixed order of six stages without pivot search,
// and publishes the matrix after each stage. It never stops on a failure:
// a cell that does not read as a number counts as 0, infinities and NaN are
// kept as computed, and a cell whose grid throws is skipped.
class Elimination {
public:
    // Runs the whole reduction: reads the input grid, publishes five steps,
    // the answer and the result, then reads the third result row back.
    SolveOutcome solve(GridBoard& board);

    // Empties all eight grids column by column, counting with the shared
    // index; the matrices are left alone.
    void clear(GridBoard& board);

    [[nodiscard]] const Matrix& working() const noexcept { return working_; }
    [[nodiscard]] const Matrix& saved() const noexcept { return saved_; }
    [[nodiscard]] double pivot() const noexcept { return pivot_; }
    [[nodiscard]] std::int16_t sharedIndex() const noexcept { return index_; }

private:
    void zeroFill();
    void readInput(GridBoard& board);
    void firstPivot();
    void clearBelowFirstPivot(int row);
    void clearAboveSecondPivot();
    void secondPivot();
    void clearBelowSecondPivot();
    void publish(GridBoard& board, GridId id);
    SolveOutcome checkThirdResultRow(GridBoard& board);

    Matrix working_{};
    Matrix saved_{};
    double pivot_ = 0.0;
    std::int16_t index_ = 0;
};

}  // namespace rowsweep
