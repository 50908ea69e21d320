#include "rowsweep/steps/written_stage.h"

#include <type_traits>
#include <utility>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep::steps {

template<class Number>
WrittenMatrix writtenMatrix(const BasicMatrix<Number>& matrix)
{
    return entryWise(matrix, [](const Number& value) { return writtenNumber(value); });
}

template<class Number>
WrittenOperation writtenOperation(const BasicRowOperation<Number>& operation)
{
    using Kind = RowOperationKind;
    WrittenOperation written;
    written.kind = operation.kind;
    written.target = operation.target;
    written.source = operation.source;
    written.firstColumn = operation.firstColumn;
    written.factor = writtenNumber(operation.factor);
    written.unitFactor = operation.factor == Number(1) || operation.factor == Number(-1);
    written.changesNothing = operation.kind == Kind::Divide && operation.factor == Number(1);
    if (operation.kind == Kind::Divide || operation.kind == Kind::AddQuotient) {
        // Exactly, a row divided by p/q is q/p times the row; in floating
        // point only a whole divisor is written as a reciprocal, the one
        // its digits say.
        if constexpr (std::is_same_v<Number, Rational>) {
            // A reciprocal that only a rounded decimal writes would make an
            // exact division look rounded: the row is divided instead.
            WrittenNumber reciprocal = writtenNumber(operation.factor.reciprocal());
            if (reciprocal.kind != WrittenNumber::Kind::Decimal || written.factor.kind == WrittenNumber::Kind::Decimal)
                written.reciprocal = std::move(reciprocal);
        } else
            written.reciprocal = oneOver(written.factor);
    }
    return written;
}

namespace {

template<class Number>
WrittenStage writtenStage(const BasicMatrix<Number>& matrix, const BasicStageOperations<Number>& operations,
                          const std::optional<NoChange>& noChange)
{
    WrittenStage written{writtenMatrix(matrix), {}, noChange};
    written.operations.reserve(operations.size());
    for (const BasicRowOperation<Number>& operation : operations)
        written.operations.push_back(writtenOperation(operation));
    return written;
}

}  // namespace

template<class Number>
WrittenStage writtenStage(const BasicStage<Number>& stage)
{
    return writtenStage(stage.matrix, stage.operations, stage.noChange);
}

std::vector<WrittenStage> writtenSteps(const ReducedForm& form)
{
    std::vector<WrittenStage> steps;
    steps.reserve(form.steps.size());
    for (const ReducedFormStep& step : form.steps)
        steps.push_back(writtenStage(step.matrix, step.operations, std::nullopt));
    return steps;
}

template WrittenMatrix writtenMatrix(const BasicMatrix<double>&);
template WrittenMatrix writtenMatrix(const BasicMatrix<Rational>&);
template WrittenOperation writtenOperation(const BasicRowOperation<double>&);
template WrittenOperation writtenOperation(const BasicRowOperation<Rational>&);
template WrittenStage writtenStage(const BasicStage<double>&);
template WrittenStage writtenStage(const BasicStage<Rational>&);

}  // namespace rowsweep::steps
