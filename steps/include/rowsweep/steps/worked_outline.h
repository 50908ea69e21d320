#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// What Copy All Steps holds, before any layout. The plain text and the
// printed document are both written from it, so a step appended to `steps`
// appears in every form of the work.
struct WorkedOutline {
    WrittenStep input;       // "Matrix" as read, with no operations
    QStringList inputNotes;  // the cells that counted as 0 without being blank, and why
    std::vector<WrittenStep> steps;  // the six stages
    QString warning;  // the "Math error" line, empty when it was not shown
    // After the warning, the way on to the reduced form: in floating point
    // the exact Answer it starts from first, then its steps.
    std::vector<WrittenStep> continuation;
    QString solutionTitle;
    QString verdict;
    QStringList solution;  // one unknown a line, or the contradicting row
};

[[nodiscard]] WorkedOutline workedOutline(const WorkedSolution& solution);

// A line for each cell that counted as 0, with its text and why:
// `Row 1, column 3: "l.5" is not a number, counted as 0`.
[[nodiscard]] QStringList unreadNotes(const BasicMatrix<UnreadCell>& unread);

}  // namespace rowsweep::steps
