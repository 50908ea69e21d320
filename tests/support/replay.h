#pragma once

// Applies recorded row operations to a matrix with the arithmetic a
// student would use by hand, so that a test can check that what the
// reduction says it did is what it did. Works in either arithmetic.

#include <utility>

#include "rowsweep/engine/reduction.h"

namespace rowsweep::testing {

template<class Number>
BasicMatrix<Number> replay(BasicMatrix<Number> a, const BasicStageOperations<Number>& operations)
{
    for (const BasicRowOperation<Number>& op : operations) {
        auto& target = a[op.target];
        const auto& source = a[op.source];
        for (int c = op.firstColumn; c < kColumns; ++c) {
            switch (op.kind) {
            case RowOperationKind::Exchange:
                std::swap(a[op.target][c], a[op.source][c]);
                break;
            case RowOperationKind::Divide:
                target[c] = target[c] / op.factor;
                break;
            case RowOperationKind::SubtractMultiple:
                target[c] = target[c] - source[c] * op.factor;
                break;
            case RowOperationKind::AddQuotient:
                target[c] = source[c] / op.factor + target[c];
                break;
            }
        }
    }
    return a;
}

}  // namespace rowsweep::testing
