#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/steps/worked_solution.h"

class QMenu;

namespace rowsweep::ui {

class ArithmeticSetting;

using GridTexts = std::array<std::array<QString, kColumns>, kRows>;

// What a grid's copy commands copy: its own texts, and, in the grids that
// show a stage or the result, the last Solve while its snapshots are on show.
struct CopySource {
    GridTexts texts;
    bool offersSteps = false;
    std::shared_ptr<const steps::WorkedSolution> solution;  // none: the step commands are disabled
    ArithmeticSetting* arithmetic = nullptr;  // the "Exact Fractions" switch, where the grid offers it
    // Opens the Reduced Form window; offered in every grid of the windows,
    // enabled while the steps are.
    std::function<void()> openReducedForm;
};

// Below a cell's line-edit menu, a separator and the copy commands: the
// grid the cell belongs to, and, where the grid offers them, all the steps
// as text or as LaTeX and the Reduced Form window; then the checkable
// "Exact Fractions".
void addCopyCommands(QMenu& menu, CopySource source);

}  // namespace rowsweep::ui
