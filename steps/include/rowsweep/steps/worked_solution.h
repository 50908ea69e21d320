#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/no_change.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/verdict.h"
#include "rowsweep/engine/written_number.h"

namespace rowsweep::steps {

// How the six stages compute: IEEE doubles, or exact fractions.
enum class Arithmetic { FloatingPoint, Exact };

// Why a cell that is not blank counted as 0.
enum class Unread : unsigned char {
    No,                  // read as a number, or blank
    NotANumber,          // "l.5", "1,5", "1/0"
    NotInFloatingPoint,  // a fraction, or a value beyond the range of doubles ("1e400", "1e-400")
    TooLongForExact,     // its exact form needs more digits than Exact Fractions takes
};

// A cell that counted as 0, with the text it held.
struct UnreadCell {
    Unread why = Unread::No;
    QString text;
};

// A matrix as the cells of its arithmetic write it.
using WrittenMatrix = BasicMatrix<WrittenNumber>;

// One row operation as every writer shows it, rows counted from 0, its
// factor written as the cells of its arithmetic write numbers.
struct WrittenOperation {
    RowOperationKind kind = RowOperationKind::Exchange;
    int target = 0;
    int source = 0;
    int firstColumn = 0;
    WrittenNumber factor;
    // Exactly 1 or -1: a row scaled by it needs no number.
    bool unitFactor = false;
    // A division by exactly 1, which a student is not told about.
    bool changesNothing = false;
    // Divide and AddQuotient: 1 / factor where it is written exactly, in
    // exact arithmetic or for a divisor written as a whole number; a row
    // divided by q is then 1/q times the row.
    std::optional<WrittenNumber> reciprocal;
};

// A stage, or a step on to the reduced form, as every writer shows it.
struct WrittenStage {
    WrittenMatrix matrix;  // after it
    std::vector<WrittenOperation> operations;
    // Why a stage left the matrix as it was.
    std::optional<NoChange> noChange;
};

// Everything one Solve worked out, written once and handed down to
// whatever shows, copies or prints it.
struct WorkedSolution {
    Arithmetic arithmetic = Arithmetic::FloatingPoint;
    WrittenMatrix input;  // as read: a cell that is not a number counts as 0
    std::array<WrittenStage, kStageCount> stages;
    BasicMatrix<UnreadCell> unread{};
    // Floating point only: a value beyond the range of doubles counted as 0
    // in the stages, while the verdict read it exactly.
    bool inputBeyondRange = false;
    bool warned = false;  // the "Math error" warning is shown
    // Floating point warned, but exact arithmetic leaves row 3 all zero.
    bool warningFromRounding = false;
    // Floating point: the cells of row 3 of the Answer the warning counts
    // as not zero, an infinity or NaN among them.
    CellMask residue{};
    // The residue holds an infinity or NaN: the numbers went beyond the
    // range of floating point.
    bool residueBeyondRange = false;
    // From the exact Answer on, whatever the arithmetic of the stages, and
    // its steps written as exact cells write them.
    ReducedForm reducedForm;
    WrittenMatrix exactAnswer;
    std::vector<WrittenStage> exactSteps;
    Verdict verdict;  // read from the reduced form
};

// The texts of one grid, [row][column].
using CellTexts = std::array<std::array<QString, kColumns>, kRows>;

}  // namespace rowsweep::steps
