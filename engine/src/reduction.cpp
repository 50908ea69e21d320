#include "rowsweep/engine/reduction.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_reduction.h"

namespace rowsweep {

namespace {

// A stage works on the matrix in place and records what it ran. Each
// operation takes its factor once, before it touches the row, so an entry
// of the row that changes on the way does not change the factor. Products
// and quotients are formed as numbers of their own before the sum, which
// in doubles fixes every rounding.
template<class N>
class StageWork {
public:
    using Kind = RowOperationKind;

    StageWork(BasicMatrix<N>& a, BasicStage<N>& stage)
        : a_(a)
        , stage_(stage)
    {
    }

    // Row 0 and `other` change places and the new row 0 is divided by its
    // entry in column 0; the row that moves down keeps its scale.
    void exchangeWithTopAndDivide(int other)
    {
        const N divisor = a_[other][0];
        for (int c = 0; c < kColumns; ++c) {
            N top = std::move(a_[0][c]);
            a_[0][c] = a_[other][c] / divisor;
            a_[other][c] = std::move(top);
        }
        stage_.operations.add({Kind::Exchange, 0, other, N(0)});
        stage_.operations.add({Kind::Divide, 0, 0, divisor});
    }

    void divide(int row, N divisor)
    {
        for (int c = 0; c < kColumns; ++c)
            a_[row][c] = a_[row][c] / divisor;
        stage_.operations.add({Kind::Divide, row, row, std::move(divisor)});
    }

    void subtractMultiple(int target, int source, N factor, int firstColumn = 0)
    {
        for (int c = firstColumn; c < kColumns; ++c) {
            const N product = a_[source][c] * factor;
            a_[target][c] = a_[target][c] - product;
        }
        stage_.operations.add({Kind::SubtractMultiple, target, source, std::move(factor), firstColumn});
    }

    void addQuotient(int target, int source, N divisor)
    {
        for (int c = 0; c < kColumns; ++c) {
            const N quotient = a_[source][c] / divisor;
            a_[target][c] = quotient + a_[target][c];
        }
        stage_.operations.add({Kind::AddQuotient, target, source, std::move(divisor)});
    }

    // A stage names, from its own tests, why it would have left the matrix
    // alone; the reason is kept when what ran changed nothing.
    void unchangedBecause(const NoChange& reason)
    {
        const auto& ran = stage_.operations;
        if (std::all_of(ran.begin(), ran.end(), [](const BasicRowOperation<N>& op) {
                return op.kind == Kind::Divide && op.factor == N(1);
            }))
            stage_.noChange = reason;
    }

private:
    BasicMatrix<N>& a_;
    BasicStage<N>& stage_;
};

template<class N>
void firstPivot(BasicMatrix<N>& a, StageWork<N>& work)
{
    const bool topIsZero = isZero(a[0][0]);
    for (const int other : {1, 2}) {
        if (isZero(a[0][0]) && !isZero(a[other][0]))
            work.exchangeWithTopAndDivide(other);
    }
    if (!isZero(a[0][0]))
        work.divide(0, a[0][0]);
    // Nothing to exchange with a zero at the top means the whole column
    // is zero; a top that needs no scaling is already 1.
    work.unchangedBecause(topIsZero ? NoChange::columnHasNoNonZero(0) : NoChange::alreadyOne(0, 0));
}

template<class N>
void clearBelowFirstPivot(BasicMatrix<N>& a, StageWork<N>& work, int row)
{
    if (!isZero(a[row][0]))
        work.subtractMultiple(row, 0, a[row][0]);
    else
        work.unchangedBecause(NoChange::alreadyZero(row, 0));
}

// Row 2 is used first; row 1 only when something is left.
template<class N>
void clearAboveSecondPivot(BasicMatrix<N>& a, StageWork<N>& work)
{
    if (!isZero(a[0][1]) && !isZero(a[2][1]))
        work.subtractMultiple(0, 2, a[0][1] / a[2][1]);
    if (!isZero(a[0][1]) && !isZero(a[1][1]))
        work.subtractMultiple(0, 1, a[0][1] / a[1][1]);
    else if (isZero(a[0][1]))
        work.unchangedBecause(NoChange::alreadyZero(0, 1));
    else
        work.unchangedBecause(NoChange::rowsHaveZero(1, 2, 1));
}

template<class N>
void secondPivot(BasicMatrix<N>& a, StageWork<N>& work)
{
    if (!isZero(a[1][1]))
        work.divide(1, a[1][1]);
    if (isZero(a[1][1]) && !isZero(a[2][1]))
        work.addQuotient(1, 2, a[2][1]);
    else
        work.unchangedBecause(isZero(a[1][1]) ? NoChange::rowsHaveZero(1, 2, 1) : NoChange::alreadyOne(1, 1));
}

// Column 0 of row 2 keeps what stage 3 left, whatever the factor.
template<class N>
void clearBelowSecondPivot(BasicMatrix<N>& a, StageWork<N>& work)
{
    if (!isZero(a[2][1]))
        work.subtractMultiple(2, 1, a[2][1], 1);
    else
        work.unchangedBecause(NoChange::alreadyZero(2, 1));
}

// What the warning looks at: a double that would not read back as zero,
// or a fraction that is not exactly zero.
bool answerEntryIsZero(double value) noexcept
{
    return readsBackAsZero(value);
}

bool answerEntryIsZero(const mpq_class& value) noexcept
{
    return isZero(value);
}

template<class N>
BasicReduction<N> reduceIn(const BasicMatrix<N>& input)
{
    using StageStep = void (*)(BasicMatrix<N>&, StageWork<N>&);
    static constexpr StageStep kSteps[kStageCount] = {
        firstPivot<N>,
        [](BasicMatrix<N>& a, StageWork<N>& work) { clearBelowFirstPivot(a, work, 1); },
        [](BasicMatrix<N>& a, StageWork<N>& work) { clearBelowFirstPivot(a, work, 2); },
        clearAboveSecondPivot<N>,
        secondPivot<N>,
        clearBelowSecondPivot<N>,
    };

    BasicReduction<N> reduction;
    BasicMatrix<N> a = input;
    for (std::size_t i = 0; i < kStageCount; ++i) {
        BasicStage<N>& stage = reduction.stages[i];
        StageWork<N> work(a, stage);
        kSteps[i](a, work);
        stage.matrix = a;
    }
    for (const N& value : a[kRows - 1])
        if (!answerEntryIsZero(value))
            reduction.thirdRowNotZero = true;
    return reduction;
}

}  // namespace

Reduction reduce(const Matrix& input) noexcept
{
    return reduceIn(input);
}

ExactReduction reduce(const ExactMatrix& input)
{
    return reduceIn(input);
}

bool readsBackAsZero(double value) noexcept
{
    return std::isfinite(value) && isZero(value);
}

}  // namespace rowsweep
