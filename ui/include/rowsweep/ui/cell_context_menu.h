#pragma once

#include <functional>

class QLineEdit;
class QMenu;

namespace rowsweep::ui {

class CellGridView;
struct WorkedSolution;

// The last Solve while its snapshots are on show, or nothing.
using WorkedSolutionSource = std::function<const WorkedSolution*()>;

// The menu of a cell: Qt's own line-edit menu, unchanged, then the copy
// commands: the grid the cell belongs to, and, where the grid offers them,
// all the steps as text or as LaTeX. Owned by the cell.
[[nodiscard]] QMenu* createCellContextMenu(QLineEdit& cell, const CellGridView& grid);

// Shows that menu where the user asks for it: right click or the menu key.
void attachCellContextMenu(QLineEdit& cell, const CellGridView& grid);

}  // namespace rowsweep::ui
