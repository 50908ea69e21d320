#pragma once

#include <array>
#include <cstddef>

#include "rowsweep/engine/matrix.h"

namespace rowsweep {

// One elementary row operation as the reduction ran it. Rows and columns
// are counted from 0.
struct RowOperation {
    enum class Kind {
        Exchange,          // rows `target` and `source` change places
        Divide,            // row `target` is divided by `factor`
        SubtractMultiple,  // row `target` loses `factor` times row `source`
        AddQuotient,       // row `target` gains row `source` divided by `factor`
    };

    Kind kind;
    int target;
    int source;  // the same as `target` for Divide
    double factor;
    // Columns before this one are left as they were (the last stage never
    // touches column 0 of row 2).
    int firstColumn = 0;

    friend bool operator==(const RowOperation&, const RowOperation&) = default;
};

// The operations of one stage, in the order they ran; none when the
// stage's tests found nothing to do. The first stage runs the most: when
// the exchange with row 1 brings up an infinite entry, 0/0 leaves NaN at
// the top and the exchange with row 2 follows, then the scaling.
class StageOperations {
public:
    static constexpr std::size_t kCapacity = 5;

    void add(const RowOperation& operation) noexcept { operations_[size_++] = operation; }

    [[nodiscard]] std::size_t size() const noexcept { return size_; }
    [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
    [[nodiscard]] const RowOperation& operator[](std::size_t index) const noexcept { return operations_[index]; }
    [[nodiscard]] const RowOperation* begin() const noexcept { return operations_.data(); }
    [[nodiscard]] const RowOperation* end() const noexcept { return operations_.data() + size_; }

    friend bool operator==(const StageOperations& a, const StageOperations& b) noexcept
    {
        for (std::size_t i = 0; i < a.size_ && i < b.size_; ++i)
            if (!(a.operations_[i] == b.operations_[i]))
                return false;
        return a.size_ == b.size_;
    }

private:
    std::array<RowOperation, kCapacity> operations_{};
    std::size_t size_ = 0;
};

// Step 1 to Step 5, then the Answer.
inline constexpr std::size_t kStageCount = 6;

struct Stage {
    Matrix matrix;  // the matrix after the stage
    StageOperations operations;
};

struct Reduction {
    std::array<Stage, kStageCount> stages;
    // The third row of the answer is not all zero as written, so the system
    // probably has no solution.
    bool thirdRowNotZero = false;

    [[nodiscard]] const Matrix& answer() const noexcept { return stages.back().matrix; }
};

// Brings column 0 to (1, 0, 0) and column 1 to (0, 1, 0) where the zero
// tests allow, by a fixed order of six stages without pivot search:
//   1. a non-zero entry to the top of column 0 (exchanging rows 0 and 1,
//      else 0 and 2), then row 0 scaled to a leading 1;
//   2, 3. column 0 cleared in rows 1 and 2 with row 0;
//   4. column 1 cleared in row 0, with row 2 first, then with row 1;
//   5. row 1 scaled to a 1 in column 1, or, when it has 0 there, row 2
//      scaled to a 1 added to it instead of an exchange;
//   6. column 1 cleared in row 2 with row 1, leaving its column 0 alone.
// Every decision uses isZero, so NaN counts as zero; infinities and NaN are
// kept as computed. Every divisor is tested non-zero before it is used.
[[nodiscard]] Reduction reduce(const Matrix& input) noexcept;

// Whether a value, written into a cell, reads back as zero: only a finite
// zero does ("Infinity" and "NaN" are not numbers).
[[nodiscard]] bool readsBackAsZero(double value) noexcept;

}  // namespace rowsweep
