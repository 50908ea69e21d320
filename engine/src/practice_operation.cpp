#include "rowsweep/engine/practice_operation.h"

#include <utility>

#include "rowsweep/engine/reduced_form.h"

namespace rowsweep {

void applyOperation(const PracticeOperation& operation, ExactMatrix& matrix)
{
    auto& target = matrix[operation.target];
    switch (operation.kind) {
    case PracticeOperation::Kind::Exchange:
        std::swap(target, matrix[operation.source]);
        break;
    case PracticeOperation::Kind::Multiply:
        for (Rational& entry : target)
            entry *= operation.factor;
        break;
    case PracticeOperation::Kind::AddMultiple:
        for (int column = 0; column < kColumns; ++column)
            target[column] += operation.factor * matrix[operation.source][column];
        break;
    }
}

std::optional<PracticeOperation> nextGaussJordanOperation(const ExactMatrix& matrix)
{
    const ReducedForm form = continueToReducedForm(matrix);
    if (form.steps.empty())
        return std::nullopt;
    const ExactRowOperation& first = form.steps.front().operations[0];
    switch (first.kind) {
    case RowOperationKind::Exchange:
        return PracticeOperation{PracticeOperation::Kind::Exchange, first.target, first.source, 1};
    case RowOperationKind::Divide:
        return PracticeOperation{PracticeOperation::Kind::Multiply, first.target, first.target,
                                 first.factor.reciprocal()};
    case RowOperationKind::SubtractMultiple:
    case RowOperationKind::AddQuotient:
        break;
    }
    return PracticeOperation{PracticeOperation::Kind::AddMultiple, first.target, first.source, -first.factor};
}

int gaussJordanOperationCount(const ExactMatrix& matrix)
{
    int count = 0;
    for (const ReducedFormStep& step : continueToReducedForm(matrix).steps)
        count += static_cast<int>(step.operations.size());
    return count;
}

}  // namespace rowsweep
