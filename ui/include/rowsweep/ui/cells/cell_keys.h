#pragma once

#include <optional>

#include <QUndoStack>

class QKeyEvent;

namespace rowsweep::ui {

// Where Enter and the arrow keys ask the grid to move the focus.
enum class CellMove { Next, Up, Down };

// Enter and keypad Enter move to the next cell, Up and Down (on the arrow
// keys or the keypad) to the cell above or below, only without Ctrl, Shift
// or Alt: held, they leave the keys to the line edit.
[[nodiscard]] std::optional<CellMove> cellMove(const QKeyEvent& event);

// The step of the grid's history a key takes: Ctrl+Z undoes; both
// Ctrl+Shift+Z and Ctrl+Y redo, whichever of them the desktop names its
// redo key. None for any other key.
using HistoryStep = void (QUndoStack::*)();
[[nodiscard]] HistoryStep historyStep(const QKeyEvent& event);

}  // namespace rowsweep::ui
