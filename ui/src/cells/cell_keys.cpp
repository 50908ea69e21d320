#include "rowsweep/ui/cells/cell_keys.h"

#include <QKeyEvent>

namespace rowsweep::ui {

std::optional<CellMove> cellMove(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return CellMove::Next;
    case Qt::Key_Up:
        return CellMove::Up;
    case Qt::Key_Down:
        return CellMove::Down;
    default:
        return std::nullopt;
    }
}

HistoryStep historyStep(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Undo))
        return &QUndoStack::undo;
    const QKeyCombination keys = event.keyCombination();
    if (event.matches(QKeySequence::Redo) || keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
        || keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return &QUndoStack::redo;
    return nullptr;
}

}  // namespace rowsweep::ui
