#pragma once

#include <functional>

#include <QLineEdit>

#include "rowsweep/ui/cells/block_paste_history.h"
#include "rowsweep/ui/cells/pasted_text.h"

class QMenu;

namespace rowsweep::ui {

// Where Enter and the arrow keys ask the grid to move the focus.
enum class CellMove { Next, Up, Down };

// One cell of a grid. While the user is not editing it, a text too wide
// for it is drawn shortened, with an ellipsis in place of the digits that
// do not fit and its exponent kept (see elidedCellText); its text, its
// copy and what a screen reader reads stay whole. A text too wide for it,
// or a value close to a simple fraction, is shown whole on hover. A paste
// or a drop drops the blanks and line breaks around a value, and a block
// of values is handed to the grid.
class CellEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit CellEdit(QWidget* parent);

    // Assigns the text as the program writes cells, scrolled to its start.
    void showText(const QString& text);

    // After a Solve: a cell whose text is neither blank nor a number counted
    // as 0, and is drawn in red until its text changes.
    // In floating point, a fraction is marked with a pointer to the mode
    // that reads it.
    void setMarked(bool marked, bool fractionInFloatingPoint = false);
    [[nodiscard]] bool isMarkedNotANumber() const { return marked_; }

    // Pastes as Ctrl+V does, from the given text instead of the clipboard.
    void pasteText(const QString& text);

    // Replaces the whole text as a paste does: as one undo step while the
    // undo history's budget allows, else as an assignment that starts the
    // history afresh. True when it became an undo step.
    bool pasteOver(const QString& value);

    // The line edit's own context menu, its Paste, Undo and Redo going the
    // ways the keys go.
    [[nodiscard]] QMenu* createEditMenu();

    // Adds the grid's own commands below the line edit's menu.
    using MenuExtension = std::function<void(QMenu&)>;
    void setMenuExtension(MenuExtension extension) { menuExtension_ = std::move(extension); }

    // Called when more than one value was pasted: they belong from this
    // cell rightwards and downwards. The grid is the only one who cares.
    using BlockPasteHandler = std::function<void(const PastedBlock&)>;
    void setBlockPasteHandler(BlockPasteHandler handler) { blockPasted_ = std::move(handler); }

    // The grid's undo step for a block pasted into this cell, which Ctrl+Z
    // and Ctrl+Shift+Z (or Ctrl+Y) take before the cell's own history.
    void setBlockHistory(BlockPasteHistory* history) { blockHistory_ = history; }

    // Enter moves to the next cell, Up and Down to the cell above or below;
    // the grid knows which that is.
    using MoveHandler = std::function<void(CellMove)>;
    void setMoveHandler(MoveHandler handler) { moveTo_ = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    [[nodiscard]] QString hoverText() const;
    [[nodiscard]] QRect textArea() const;
    [[nodiscard]] bool textFits() const;
    bool pasteValue(const QString& value);
    void takeHistoryStep(HistoryStep step);
    void startUndoStep();
    void setDropTarget(bool target);

    BlockPasteHandler blockPasted_;
    MenuExtension menuExtension_;
    MoveHandler moveTo_;
    BlockPasteHistory* blockHistory_ = nullptr;
    QMetaObject::Connection unmarkOnChange_;
    bool marked_ = false;
    QString markText_;
    bool dropTarget_ = false;  // a drag hovers over the cell: its drop cursor shows in the real text
    // Characters that pastes put into the undo history since it was last
    // emptied; see pasteValue.
    qsizetype pastedIntoHistory_ = 0;
};

}  // namespace rowsweep::ui
