#pragma once

// One input cell as a Solve reads it, and the words for a cell that
// counted as 0: its mark and its note in the copied steps give the same
// reason.

#include <QString>

#include "rowsweep/engine/rational.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

struct CellReading {
    double floating = 0.0;  // what floating point computes with
    // What Exact Fractions computes with, and in floating point what the
    // verdict reads: the typed value exactly, but a fraction there only
    // where the stages read fractions.
    Rational exact;
    Unread unread = Unread::No;
};

// Floating point reads a cell by the platform's double conversion, so that
// "1e-400" is 0 there and "1e400" is not read; both are marked, as is a
// fraction. Exact Fractions reads every number of the cell grammar up to
// its bound on digits. A blank cell is 0 and not marked.
[[nodiscard]] CellReading readCell(const QString& text, Arithmetic arithmetic);

// What a marked cell says on hover: "Not a number: counted as 0".
[[nodiscard]] QString unreadMark(Unread why);

// The line of the copied steps for a cell that counted as 0, rows and
// columns counted from 0: `Row 1, column 3: "l.5" is not a number, counted
// as 0`. A text too long for a line keeps its start and its end.
[[nodiscard]] QString unreadNote(int row, int column, const UnreadCell& cell);

}  // namespace rowsweep::steps
