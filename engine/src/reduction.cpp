#include "rowsweep/engine/reduction.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_reduction.h"

namespace rowsweep {

namespace {


// In fractions some work is known to change nothing and is skipped: a 0
// entry stays 0 when divided and adds 0 when multiplied, and a division by
// 1 leaves a row as it is. Doubles compute everything, as 0 times an
// infinity is NaN and a zero takes its sign from a division.
constexpr bool isKnownZero(double) noexcept { return false; }
bool isKnownZero(const mpq_class& value) noexcept { return sgn(value) == 0; }
constexpr bool isKnownOne(double) noexcept { return false; }
bool isKnownOne(const mpq_class& value) noexcept { return value == 1; }
bool isKnownZero(const SmallFraction& value) noexcept { return value.numerator() == 0; }
bool isKnownOne(const SmallFraction& value) noexcept { return value == SmallFraction(1); }

// Runs the operations of one stage after another on the stage's own
// matrix, which starts as the one before it, and records them. Each
// operation records its factor before it touches the row and works with
// that copy, so an entry of the row that changes on the way does not
// change the factor. Products and quotients are formed as numbers of their
// own before the sum, which in doubles fixes every rounding; in fractions
// one scratch number serves every column of every stage.
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
            if (!isKnownZero(a[0][c]))
                a[0][c] = a[0][c] / divisor;
        }
    }

    template<class Divisor>
    void divide(int row, Divisor&& by)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& divisor = record(Kind::Divide, row, row, std::forward<Divisor>(by));
        if (isKnownOne(divisor))
            return;
        for (int c = 0; c < kColumns; ++c)
            if (!isKnownZero(a[row][c]))
                a[row][c] = a[row][c] / divisor;
    }

    template<class Factor>
    void subtractMultiple(int target, int source, Factor&& by, int firstColumn = 0)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& factor = record(Kind::SubtractMultiple, target, source, std::forward<Factor>(by), firstColumn);
        N& product = scratch_;
        for (int c = firstColumn; c < kColumns; ++c) {
            if (isKnownZero(a[source][c]))
                continue;
            product = a[source][c] * factor;
            a[target][c] = a[target][c] - product;
        }
    }

    template<class Divisor>
    void addQuotient(int target, int source, Divisor&& by)
    {
        BasicMatrix<N>& a = stage_->matrix;
        const N& divisor = record(Kind::AddQuotient, target, source, std::forward<Divisor>(by));
        N& quotient = scratch_;
        for (int c = 0; c < kColumns; ++c) {
            if (isKnownZero(a[source][c]))
                continue;
            quotient = a[source][c] / divisor;
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
    template<class Factor>
    const N& record(Kind kind, int target, int source, Factor&& factor, int firstColumn = 0)
    {
        return stage_->operations.add(kind, target, source, std::forward<Factor>(factor), firstColumn).factor;
    }

    BasicStage<N>* stage_ = nullptr;
    N scratch_{};
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

bool answerEntryIsZero(const SmallFraction& value) noexcept
{
    return isZero(value);
}

// A stage's matrix starts as a copy of the one before it.
template<class N>
void startFrom(BasicMatrix<N>& stage, const BasicMatrix<N>& before) noexcept
{
    stage = before;
}

// The entries are fresh, their numerators without room of their own. Each
// gets room for two limbs, which the first product or quotient written to
// it needs anyway: else GMP would allocate one limb now and reallocate it
// then.
void startFrom(ExactMatrix& stage, const ExactMatrix& before)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            mpq_class& entry = stage[row][column];
            const mpq_class& value = before[row][column];
            if (sgn(value) != 0)
                mpz_realloc2(entry.get_num_mpz_t(), 2 * GMP_NUMB_BITS);
            entry = value;
        }
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
        startFrom(stage.matrix, *before);
        work.begin(stage);
        kSteps[i](stage.matrix, work);
        before = &stage.matrix;
    }
    for (const N& value : reduction.answer()[kRows - 1])
        if (!answerEntryIsZero(value))
            reduction.thirdRowNotZero = true;
    return reduction;
}

void setExactly(mpq_class& entry, const SmallFraction& value)
{
    if (value.numerator() != 0)
        mpz_set_si(entry.get_num_mpz_t(), value.numerator());
    if (value.denominator() != 1)
        mpz_set_si(entry.get_den_mpz_t(), value.denominator());
}

// Made in place as a recorded factor, through the implicit conversion:
// moving a GMP fraction allocates.
struct ExactFactor {
    const SmallFraction& value;
    operator mpq_class() const { return exactValue(value); }
};

// The fresh entries of `exact` are all 0; only the others are written.
ExactReduction inGmpFractions(const SmallReduction& small)
{
    ExactReduction exact;
    for (std::size_t i = 0; i < kStageCount; ++i) {
        const BasicStage<SmallFraction>& from = small.stages[i];
        ExactStage& to = exact.stages[i];
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                setExactly(to.matrix[row][column], from.matrix[row][column]);
        for (const BasicRowOperation<SmallFraction>& op : from.operations)
            to.operations.add(op.kind, op.target, op.source, ExactFactor{op.factor}, op.firstColumn);
        to.noChange = from.noChange;
    }
    exact.thirdRowNotZero = small.thirdRowNotZero;
    return exact;
}

}  // namespace

Reduction reduce(const Matrix& input) noexcept
{
    return reduceIn(input);
}

std::optional<SmallMatrix> inMachineWords(const ExactMatrix& input)
{
    SmallMatrix small;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const mpq_class& value = input[row][column];
            if (!value.get_num().fits_slong_p() || !value.get_den().fits_slong_p()
                || value.get_num().get_si() == LONG_MIN)
                return std::nullopt;
            small[row][column] = SmallFraction::inLowestTerms(value.get_num().get_si(), value.get_den().get_si());
        }
    return small;
}

std::optional<SmallReduction> reduceInMachineWords(const SmallMatrix& input)
{
    try {
        return reduceIn(input);
    } catch (const SmallFraction::Overflow&) {
        return std::nullopt;
    }
}

mpq_class exactValue(const SmallFraction& value)
{
    mpq_class exact;
    setExactly(exact, value);
    return exact;
}

ExactMatrix exactMatrix(const SmallMatrix& small)
{
    ExactMatrix exact;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            setExactly(exact[row][column], small[row][column]);
    return exact;
}

ExactReduction reduce(const ExactMatrix& input)
{
    // Everyday matrices stay within machine words all the way; the few
    // that outgrow them are reduced again in GMP from the start.
    if (const std::optional<SmallMatrix> small = inMachineWords(input))
        if (const std::optional<SmallReduction> reduction = reduceInMachineWords(*small))
            return inGmpFractions(*reduction);
    return reduceIn(input);
}

namespace detail {

ExactReduction reduceInGmpFractions(const ExactMatrix& input)
{
    return reduceIn(input);
}

}  // namespace detail

bool readsBackAsZero(double value) noexcept
{
    return std::isfinite(value) && isZero(value);
}

}  // namespace rowsweep
