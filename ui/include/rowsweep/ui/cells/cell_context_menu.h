#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/steps/worked_solution.h"

class QMenu;
class QUndoStack;

namespace rowsweep::ui {

class Session;

using GridTexts = std::array<std::array<QString, kColumns>, kRows>;

// What a grid's copy commands copy: its own texts, and, in the grids that
// show a stage or the result, the Solve on show while they show it.
struct CopySource {
    GridTexts texts;
    bool offersSteps = false;
    std::shared_ptr<const steps::WorkedSolution> shown;  // none: the step commands are disabled
    Session& session;
    // A grid that shows work of its own offers its own step commands
    // instead of the Solve's.
    std::function<void(QMenu&)> ownSteps = {};
};

// Below a cell's line-edit menu, a separator and the copy commands: the
// grid the cell belongs to, and, where the grid offers them, all the steps
// as text or as LaTeX; then the Reduced Form window of the Solve on show
// and the Practice window (always), and the checkable "Exact Fractions",
// which switches the whole program.
void addCopyCommands(QMenu& menu, const CopySource& source);

// Qt's own line-edit menu with its Paste going through `paste` and its Undo
// and Redo through the grid's history (none: disabled).
void routeEditCommands(QMenu& menu, QUndoStack* history, const std::function<void()>& paste);

}  // namespace rowsweep::ui
