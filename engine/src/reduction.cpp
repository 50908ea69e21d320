#include "rowsweep/engine/reduction.h"

#include <cmath>
#include <utility>

#include "rowsweep/engine/cell_text.h"

namespace rowsweep {

namespace {

// A stage works on the matrix in place and records what it ran. Each
// operation takes its factor once, before it touches the row, so an entry
// of the row that changes on the way does not change the factor. Products
// and quotients are formed as doubles of their own before the sum.
class StageWork {
public:
    StageWork(Matrix& a, StageOperations& log)
        : a_(a)
        , log_(log)
    {
    }

    // Row 0 and `other` change places and the new row 0 is divided by its
    // entry in column 0; the row that moves down keeps its scale.
    void exchangeWithTopAndDivide(int other)
    {
        const double divisor = a_[other][0];
        for (int c = 0; c < kColumns; ++c) {
            const double top = a_[0][c];
            a_[0][c] = a_[other][c] / divisor;
            a_[other][c] = top;
        }
        log_.add({RowOperation::Kind::Exchange, 0, other, 0.0});
        log_.add({RowOperation::Kind::Divide, 0, 0, divisor});
    }

    void divide(int row, double divisor)
    {
        for (int c = 0; c < kColumns; ++c)
            a_[row][c] = a_[row][c] / divisor;
        log_.add({RowOperation::Kind::Divide, row, row, divisor});
    }

    void subtractMultiple(int target, int source, double factor, int firstColumn = 0)
    {
        for (int c = firstColumn; c < kColumns; ++c) {
            const double product = a_[source][c] * factor;
            a_[target][c] = a_[target][c] - product;
        }
        log_.add({RowOperation::Kind::SubtractMultiple, target, source, factor, firstColumn});
    }

    void addQuotient(int target, int source, double divisor)
    {
        for (int c = 0; c < kColumns; ++c) {
            const double quotient = a_[source][c] / divisor;
            a_[target][c] = quotient + a_[target][c];
        }
        log_.add({RowOperation::Kind::AddQuotient, target, source, divisor});
    }

private:
    Matrix& a_;
    StageOperations& log_;
};

void firstPivot(Matrix& a, StageWork& work)
{
    for (const int other : {1, 2}) {
        if (isZero(a[0][0]) && !isZero(a[other][0]))
            work.exchangeWithTopAndDivide(other);
    }
    if (!isZero(a[0][0]))
        work.divide(0, a[0][0]);
}

void clearBelowFirstPivot(Matrix& a, StageWork& work, int row)
{
    if (!isZero(a[row][0]))
        work.subtractMultiple(row, 0, a[row][0]);
}

// Row 2 is used first; row 1 only when something is left.
void clearAboveSecondPivot(Matrix& a, StageWork& work)
{
    if (!isZero(a[0][1]) && !isZero(a[2][1]))
        work.subtractMultiple(0, 2, a[0][1] / a[2][1]);
    if (!isZero(a[0][1]) && !isZero(a[1][1]))
        work.subtractMultiple(0, 1, a[0][1] / a[1][1]);
}

void secondPivot(Matrix& a, StageWork& work)
{
    if (!isZero(a[1][1]))
        work.divide(1, a[1][1]);
    if (isZero(a[1][1]) && !isZero(a[2][1]))
        work.addQuotient(1, 2, a[2][1]);
}

// Column 0 of row 2 keeps what stage 3 left, whatever the factor.
void clearBelowSecondPivot(Matrix& a, StageWork& work)
{
    if (!isZero(a[2][1]))
        work.subtractMultiple(2, 1, a[2][1], 1);
}

}  // namespace

Reduction reduce(const Matrix& input) noexcept
{
    using StageStep = void (*)(Matrix&, StageWork&);
    static constexpr StageStep kSteps[kStageCount] = {
        firstPivot,
        [](Matrix& a, StageWork& work) { clearBelowFirstPivot(a, work, 1); },
        [](Matrix& a, StageWork& work) { clearBelowFirstPivot(a, work, 2); },
        clearAboveSecondPivot,
        secondPivot,
        clearBelowSecondPivot,
    };

    Reduction reduction;
    Matrix a = input;
    for (std::size_t i = 0; i < kStageCount; ++i) {
        Stage& stage = reduction.stages[i];
        StageWork work(a, stage.operations);
        kSteps[i](a, work);
        stage.matrix = a;
    }
    for (const double value : a[kRows - 1])
        if (!readsBackAsZero(value))
            reduction.thirdRowNotZero = true;
    return reduction;
}

bool readsBackAsZero(double value) noexcept
{
    return std::isfinite(value) && isZero(value);
}

}  // namespace rowsweep
