#pragma once

#include <array>
#include <cstddef>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/no_change.h"

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

    Kind kind;
    int target;
    int source;  // the same as `target` for Divide
    Number factor;
    // Columns before this one are left as they were (the last stage never
    // touches column 0 of row 2).
    int firstColumn = 0;

    friend bool operator==(const BasicRowOperation&, const BasicRowOperation&) = default;
};

// The operations of one stage, in the order they ran; none when the
// stage's tests found nothing to do. The first stage runs the most: in
// doubles, when the exchange with row 1 brings up an infinite entry, 0/0
// leaves NaN at the top and the exchange with row 2 follows, then the
// scaling. Exact arithmetic has no such detour. Room for an operation is
// kept inline but only filled when one runs: a GMP fraction allocates as
// soon as it exists.
template<class Number>
class BasicStageOperations {
public:
    using Operation = BasicRowOperation<Number>;
    static constexpr std::size_t kCapacity = 5;

    BasicStageOperations() noexcept {}
    BasicStageOperations(const BasicStageOperations& other) { append(other); }
    BasicStageOperations(BasicStageOperations&& other) noexcept(std::is_nothrow_move_constructible_v<Operation>)
    {
        for (std::size_t i = 0; i < other.size_; ++i)
            emplaceOperation(std::move(other.data()[i]));
    }
    BasicStageOperations& operator=(const BasicStageOperations& other)
    {
        if (this != &other) {
            clear();
            append(other);
        }
        return *this;
    }
    BasicStageOperations& operator=(BasicStageOperations&& other) noexcept(
        std::is_nothrow_move_constructible_v<Operation>)
    {
        if (this != &other) {
            clear();
            for (std::size_t i = 0; i < other.size_; ++i)
                emplaceOperation(std::move(other.data()[i]));
        }
        return *this;
    }
    ~BasicStageOperations() { clear(); }

    void add(const Operation& operation) noexcept(std::is_nothrow_copy_constructible_v<Operation>)
    {
        emplaceOperation(operation);
    }

    // Records an operation, its factor made in place, and returns it.
    template<class Factor>
    const Operation& add(RowOperationKind kind, int target, int source, Factor&& factor, int firstColumn = 0)
    {
        return emplaceOperation(kind, target, source, std::forward<Factor>(factor), firstColumn);
    }

    [[nodiscard]] std::size_t size() const noexcept { return size_; }
    [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
    [[nodiscard]] const Operation& operator[](std::size_t index) const noexcept { return data()[index]; }
    [[nodiscard]] const Operation* begin() const noexcept { return data(); }
    [[nodiscard]] const Operation* end() const noexcept { return data() + size_; }

    friend bool operator==(const BasicStageOperations& a, const BasicStageOperations& b)
    {
        for (std::size_t i = 0; i < a.size_ && i < b.size_; ++i)
            if (!(a[i] == b[i]))
                return false;
        return a.size_ == b.size_;
    }

private:
    template<class... Parts>
    const Operation& emplaceOperation(Parts&&... parts)
    {
        Operation* made = ::new (static_cast<void*>(data() + size_)) Operation{std::forward<Parts>(parts)...};
        ++size_;
        return *made;
    }
    void append(const BasicStageOperations& other)
    {
        for (const Operation& operation : other)
            emplaceOperation(operation);
    }
    void clear() noexcept
    {
        while (size_ > 0)
            data()[--size_].~Operation();
    }
    [[nodiscard]] Operation* data() noexcept { return std::launder(reinterpret_cast<Operation*>(storage_)); }
    [[nodiscard]] const Operation* data() const noexcept
    {
        return std::launder(reinterpret_cast<const Operation*>(storage_));
    }

    alignas(Operation) std::byte storage_[kCapacity * sizeof(Operation)];
    std::size_t size_ = 0;
};

// Step 1 to Step 5, then the Answer.
inline constexpr std::size_t kStageCount = 6;

template<class Number>
struct BasicStage {
    BasicMatrix<Number> matrix;  // the matrix after the stage
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
// The same procedure runs on exact rationals (exact_reduction.h).
[[nodiscard]] Reduction reduce(const Matrix& input) noexcept;

// Whether a value, written into a cell, reads back as zero: only a finite
// zero does ("Infinity" and "NaN" are not numbers).
[[nodiscard]] bool readsBackAsZero(double value) noexcept;

}  // namespace rowsweep
