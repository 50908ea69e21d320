#pragma once

// Applies recorded row operations to a matrix with the arithmetic a
// student would use by hand, so that a test can check that what the
// reduction says it did is what it did.

#include <utility>

#include "rowsweep/engine/reduction.h"

namespace rowsweep::testing {

inline Matrix replay(Matrix a, const StageOperations& operations)
{
    for (const RowOperation& op : operations) {
        auto& target = a[op.target];
        const auto& source = a[op.source];
        for (int c = op.firstColumn; c < kColumns; ++c) {
            switch (op.kind) {
            case RowOperation::Kind::Exchange:
                std::swap(a[op.target][c], a[op.source][c]);
                break;
            case RowOperation::Kind::Divide:
                target[c] = target[c] / op.factor;
                break;
            case RowOperation::Kind::SubtractMultiple:
                target[c] = target[c] - source[c] * op.factor;
                break;
            case RowOperation::Kind::AddQuotient:
                target[c] = source[c] / op.factor + target[c];
                break;
            }
        }
    }
    return a;
}

}  // namespace rowsweep::testing
