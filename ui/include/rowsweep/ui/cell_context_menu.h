#pragma once

#include <functional>

class QMenu;

namespace rowsweep::ui {

class CellGridView;
struct WorkedSolution;

// The last Solve while its snapshots are on show, or nothing.
using WorkedSolutionSource = std::function<const WorkedSolution*()>;

// Below a cell's line-edit menu, a separator and the copy commands: the
// grid the cell belongs to, and, where the grid offers them, all the steps
// as text or as LaTeX.
void addCopyCommands(QMenu& menu, const CellGridView& grid);

}  // namespace rowsweep::ui
