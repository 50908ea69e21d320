#include "rowsweep/engine/reduction.h"

#include <algorithm>
#include <utility>

#include "rowsweep/engine/cell_text.h"

namespace rowsweep {

namespace {

// The two arithmetics' own rules. In fractions some work is known to
// change nothing and is skipped: a 0 entry stays 0 when divided and adds 0
// when multiplied, and a division by 1 leaves a row as it is. Doubles
// compute everything, as 0 times an infinity is NaN and a zero takes its
// sign from a division; their zero test counts NaN as zero, and the
// warning reads the third row as a cell writes it.
template<class N>
struct Rules;

template<>
struct Rules<double> {
    static bool isZero(double value) noexcept { return rowsweep::isZero(value); }
    static bool isKnownZero(double) noexcept { return false; }
    static bool isKnownOne(double) noexcept { return false; }
    static bool warnsOf(double value) noexcept { return !readsBackAsZero(value); }
};

template<>
struct Rules<Rational> {
    static bool isZero(const Rational& value) noexcept { return value.isZero(); }
    static bool isKnownZero(const Rational& value) noexcept { return value.isZero(); }
    static bool isKnownOne(const Rational& value) noexcept { return value == 1; }
    static bool warnsOf(const Rational& value) noexcept { return !value.isZero(); }
};

template<class N>
bool isZero(const N& value) noexcept
{
    return Rules<N>::isZero(value);
}

// Runs the operations of one stage after another on the stage's own
// matrix, which starts as the one before it, and records them. Each
// operation records its factor before it touches the row and works with
// that copy, so an entry of the row that changes on the way does not
// change the factor. Products and quotients are formed as numbers of their
// own before the sum, which in doubles fixes every rounding.
template<class N>
class StageWork {
public:
    using Kind = RowOperationKind;

    void begin(BasicStage<N>& stage) noexcept { stage_ = &stage; }

    // Row 0 and `other` change places and the new row 0 is divided by its
    // entry in column 0; the row that moves down keeps its scale.
    void exchangeWithTopAndDivide(int other)
    {
        BasicMatrix<N>& a = stage_->matrix;
        record(Kind::Exchange, 0, other, N(0));
        const N& divisor = record(Kind::Divide, 0, 0, a[other][0]);
        for (int c = 0; c < kColumns; ++c) {
            std::swap(a[0][c], a[other][c]);
            if (!Rules<N>::isKnownZero(a[0][c]))
                a[0][c] = a[0][c] / divisor;
        }
    }

    void divide(int row, const N& by)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& divisor = record(Kind::Divide, row, row, by);
        if (Rules<N>::isKnownOne(divisor))
            return;
        for (int c = 0; c < kColumns; ++c)
            if (!Rules<N>::isKnownZero(a[row][c]))
                a[row][c] = a[row][c] / divisor;
    }

    void subtractMultiple(int target, int source, const N& by, int firstColumn = 0)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& factor = record(Kind::SubtractMultiple, target, source, by, firstColumn);
        for (int c = firstColumn; c < kColumns; ++c) {
            if (Rules<N>::isKnownZero(a[source][c]))
                continue;
            const N product = a[source][c] * factor;
            a[target][c] = a[target][c] - product;
        }
    }

    void addQuotient(int target, int source, const N& by)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& divisor = record(Kind::AddQuotient, target, source, by);
        for (int c = 0; c < kColumns; ++c) {
            if (Rules<N>::isKnownZero(a[source][c]))
                continue;
            const N quotient = a[source][c] / divisor;
            a[target][c] = quotient + a[target][c];
        }
    }

    // A stage names, from its own tests, why it would have left the matrix
    // alone; the reason is kept when what ran changed nothing.
    void unchangedBecause(const NoChange& reason)
    {
        const auto& ran = stage_->operations;
        if (std::all_of(ran.begin(), ran.end(), [](const BasicRowOperation<N>& op) {
                return op.kind == Kind::Divide && op.factor == N(1);
            }))
            stage_->noChange = reason;
    }

private:
    const N& record(Kind kind, int target, int source, N factor, int firstColumn = 0)
    {
        return stage_->operations.add({kind, target, source, std::move(factor), firstColumn}).factor;
    }

    BasicStage<N>* stage_ = nullptr;
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
    StageWork<N> work;
    const BasicMatrix<N>* before = &input;
    for (std::size_t i = 0; i < kStageCount; ++i) {
        BasicStage<N>& stage = reduction.stages[i];
        stage.matrix = *before;
        work.begin(stage);
        kSteps[i](stage.matrix, work);
        before = &stage.matrix;
    }
    const auto& thirdRow = reduction.answer()[kRows - 1];
    reduction.thirdRowNotZero = std::any_of(thirdRow.begin(), thirdRow.end(), Rules<N>::warnsOf);
    return reduction;
}

}  // namespace

Reduction reduce(const Matrix& input)
{
    return reduceIn(input);
}

ExactReduction reduce(const ExactMatrix& input)
{
    return reduceIn(input);
}

}  // namespace rowsweep
