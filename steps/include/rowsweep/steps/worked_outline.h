#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// One matrix of the worked solution and what led to it: "Step 2", the row
// operations of that stage (or why it changed nothing), the matrix after.
struct WorkedStep {
    QString title;
    QStringList operations;
    CellTexts matrix;
};

// What Copy All Steps holds, before any layout. The plain text and the
// printed document are both written from it, so a step appended to `steps`
// appears in every form of the work.
struct WorkedOutline {
    WorkedStep input;        // "Matrix" as read, with no operations
    QStringList inputNotes;  // the cells that counted as 0 without being numbers
    std::vector<WorkedStep> steps;
    QString warning;  // the "Math error" line, empty when it was not shown
    QString solutionTitle;
    QString verdict;
    QStringList solution;  // one unknown a line, or the contradicting row
};

[[nodiscard]] WorkedOutline workedOutline(const WorkedSolution& solution);

}  // namespace rowsweep::steps
