#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/no_change.h"
#include "rowsweep/engine/rational.h"

namespace rowsweep {

enum class RowOperationKind {
    Exchange,          // rows `target` and `source` change places
    Divide,            // row `target` is divided by `factor`
    SubtractMultiple,  // row `target` loses `factor` times row `source`
    AddQuotient,       // row `target` gains row `source` divided by `factor`
};

// One elementary row operation as the reduction ran it, with its factor in
// the reduction's arithmetic. Rows and columns are counted from 0.
template<class Number>
struct BasicRowOperation {
    using Kind = RowOperationKind;

    Kind kind = Kind::Exchange;
    int target = 0;
    int source = 0;  // the same as `target` for Divide
    Number factor{};
    // Columns before this one are left as they were (the last stage never
    // touches column 0 of row 2).
    int firstColumn = 0;

    friend bool operator==(const BasicRowOperation&, const BasicRowOperation&) = default;
};

// The operations of one stage, in the order they ran; none when the
// stage's tests found nothing to do. The first stage runs the most: in
// doubles, when the exchange with row 1 brings up an infinite entry, 0/0
// leaves NaN at the top and the exchange with row 2 follows, then the
// scaling. Exact arithmetic has no such detour.
template<class Number>
class BasicStageOperations {
public:
    using Operation = BasicRowOperation<Number>;
    static constexpr std::size_t kCapacity = 5;

    // Records an operation and returns it.
    const Operation& add(Operation operation)
    {
        operations_[size_] = std::move(operation);
        return operations_[size_++];
    }

    [[nodiscard]] std::size_t size() const noexcept { return size_; }
    [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
    [[nodiscard]] const Operation& operator[](std::size_t index) const noexcept { return operations_[index]; }
    [[nodiscard]] const Operation* begin() const noexcept { return operations_.data(); }
    [[nodiscard]] const Operation* end() const noexcept { return operations_.data() + size_; }

private:
    std::array<Operation, kCapacity> operations_{};
    std::size_t size_ = 0;
};

// Step 1 to Step 5, then the Answer.
inline constexpr std::size_t kStageCount = 6;

template<class Number>
struct BasicStage {
    BasicMatrix<Number> matrix{};  // the matrix after the stage
    BasicStageOperations<Number> operations;
    // Set when the stage left the matrix as it was: no operation ran, or
    // only a division by exactly 1.
    std::optional<NoChange> noChange;
};

template<class Number>
struct BasicReduction {
    std::array<BasicStage<Number>, kStageCount> stages;
    // The third row of the answer is not all zero as written, so the system
    // probably has no solution.
    bool thirdRowNotZero = false;

    [[nodiscard]] const BasicMatrix<Number>& answer() const noexcept { return stages.back().matrix; }
};

using RowOperation = BasicRowOperation<double>;
using StageOperations = BasicStageOperations<double>;
using Stage = BasicStage<double>;
using Reduction = BasicReduction<double>;

// The same in exact fractions: nothing is rounded and no infinity or NaN
// can arise.
using ExactMatrix = BasicMatrix<Rational>;
using ExactRowOperation = BasicRowOperation<Rational>;
using ExactStageOperations = BasicStageOperations<Rational>;
using ExactStage = BasicStage<Rational>;
using ExactReduction = BasicReduction<Rational>;

// Brings column 0 to (1, 0, 0) and column 1 to (0, 1, 0) where the zero
// tests allow, by a fixed order of six stages without pivot search:
//   1. a non-zero entry to the top of column 0 (exchanging rows 0 and 1,
//      else 0 and 2), then row 0 scaled to a leading 1;
//   2, 3. column 0 cleared in rows 1 and 2 with row 0;
//   4. column 1 cleared in row 0, with row 2 first, then with row 1;
//   5. row 1 scaled to a 1 in column 1, or, when it has 0 there, row 2
//      scaled to a 1 added to it instead of an exchange;
//   6. column 1 cleared in row 2 with row 1, leaving its column 0 alone.
// Every divisor is tested non-zero before it is used. In doubles every
// decision uses isZero, so NaN counts as zero, infinities and NaN are kept
// as computed, and the warning reads the third row as written; exactly,
// zero is zero and the warning is due when the third row is not.
[[nodiscard]] Reduction reduce(const Matrix& input);
[[nodiscard]] ExactReduction reduce(const ExactMatrix& input);

}  // namespace rowsweep
