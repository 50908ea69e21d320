#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::steps {

// One step of the way from the exact Answer to the reduced form, as every
// writer (the window, the plain text, the LaTeX, a document) shows it.
struct WrittenStep {
    QString title;           // "Step 7", numbered on from the six stages
    QStringList operations;  // a line each: "Divide row 3 by 11/5"
    CellTexts matrix;        // after the step, as exact cells write it
};

// The steps that follow the Answer, in order; none when the exact Answer
// already is the reduced form.
[[nodiscard]] std::vector<WrittenStep> reducedFormSteps(const WorkedSolution& solution);

// The exact Answer the steps go on from, as exact cells write it.
[[nodiscard]] CellTexts exactAnswerTexts(const WorkedSolution& solution);

// In floating point: the line that says where the exact continuation
// begins.
[[nodiscard]] QString exactContinuationNote();

// The title of the exact Answer where floating point shows its own first.
[[nodiscard]] QString exactAnswerTitle();

}  // namespace rowsweep::steps
