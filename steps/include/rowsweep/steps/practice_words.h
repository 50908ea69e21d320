#pragma once

// The practice in words: the textbook notation of an operation, why a
// line was refused, where a step led, how far the matrix is, and the hint.

#include <optional>

#include <QString>

#include "rowsweep/engine/operation_grammar.h"
#include "rowsweep/engine/practice_operation.h"
#include "rowsweep/engine/progress.h"
#include "rowsweep/engine/verdict.h"

namespace rowsweep::steps {

// One canonical notation, rows counted from 1, numbers in their exact
// written form with a true minus sign: "R1 ↔ R3", "R3 → (−1/2)R3",
// "R3 → 2R3", "R2 → R2 − 4R1", "R2 → R2 + (1/3)R1". A factor of 1 is not
// written; a fraction or a decimal stands in parentheses. The row letter
// is never translated.
[[nodiscard]] QString operationNotation(const PracticeOperation& operation);

// One sentence saying why a line is no operation that can be taken.
[[nodiscard]] QString refusalSentence(const OperationRefusal& refusal);

// One sentence on where a legal step led: a column completed, the columns
// done kept, or done work undone.
[[nodiscard]] QString stepFeedback(const Progress& before, const Progress& after);

// What the practice shows at all times: "Columns done: 1 to 2 of 6", or,
// in reduced row echelon form, the operations taken against the
// Gauss-Jordan way's and, on a line below, the verdict.
struct PracticeCount {
    int taken = 0;         // the operations that led from the start here
    int gaussJordan = 0;   // the operations of the Gauss-Jordan way from the start
};
[[nodiscard]] QString progressLine(const Progress& progress, PracticeCount count, const Verdict& verdict);

// "Next: R2 → R2 − 4R1 (subtract 4 × row 1 from row 2)", or that nothing
// is left to do.
[[nodiscard]] QString hintLine(const std::optional<PracticeOperation>& next);

}  // namespace rowsweep::steps
