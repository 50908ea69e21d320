#pragma once

#include <functional>

#include <QLineEdit>

#include "rowsweep/ui/cells/cell_content.h"
#include "rowsweep/ui/cells/cell_keys.h"
#include "rowsweep/ui/cells/cell_text_fitting.h"
#include "rowsweep/ui/cells/pasted_text.h"

class QMenu;
class QUndoStack;

namespace rowsweep::ui {

// What a cell hands to its grid: the grid keeps the history of its cells,
// fills blocks and knows the cell each key leads to.
struct CellRequests {
    // Text pasted or dropped that holds more than one value: it belongs
    // from this cell rightwards and downwards. `cut`: the text was longer
    // than a grid holds, and only its start was read.
    std::function<void(const PastedBlock&, bool cut)> block;
    // A paste or a drop of one value, to be written as an undo step; `cut`
    // where the text or the cell's new value did not fit.
    std::function<void(CellContent before, CellContent after, bool cut)> write;
    // Typing already done: `run` counts the times the focus left the cell.
    std::function<void(CellContent before, CellContent after, int run)> typed;
    std::function<void(CellMove)> move;
    // The grid's own commands below the line edit's menu.
    std::function<void(QMenu&)> menu;
};

// One cell of a grid. While the user is not editing it, a text too wide
// for it is drawn smaller or shortened (see fitCellText); its text, its
// copy and what a screen reader reads stay whole. A text not drawn whole,
// or a value with more to say, is shown whole on hover. A paste drops the
// blanks and line breaks around a value; a dropped value replaces the
// whole text; a block of values goes to the grid. Ctrl+Z, Ctrl+Shift+Z,
// Ctrl+Y and the menu's Undo and Redo walk the grid's history.
class CellEdit final : public QLineEdit {
    Q_OBJECT
    // What the cell draws, for automation: the text as drawn and its size.
    Q_PROPERTY(QString shownText READ shownText)
    Q_PROPERTY(qreal shownPointSize READ shownPointSize)

public:
    explicit CellEdit(QWidget* parent);

    // Assigns a number's text as the program writes cells, scrolled to its
    // start; the number keeps its written form for drawing.
    void showNumber(const QString& text, const WrittenNumber& number);

    [[nodiscard]] CellContent content() const;
    // Puts back what an undo step kept.
    void restore(const CellContent& content);

    // After a Solve: a cell whose text counted as 0 without being blank is
    // drawn in red until its text changes, and says why on hover; an empty
    // mark takes the mark away.
    void setMarked(const QString& mark);
    // A line the grid adds to what the cell says on hover.
    void setHint(const QString& hint) { hint_ = hint; }
    // Whether fractions are read, asked on hover.
    void setReadsFractions(std::function<bool()> reads) { readsFractions_ = std::move(reads); }

    // Pastes as Ctrl+V does, from the given text instead of the clipboard.
    void pasteText(const QString& text);

    // The line edit's own context menu, its Paste, Undo and Redo going the
    // ways the keys go.
    [[nodiscard]] QMenu* createEditMenu();

    void setRequests(CellRequests requests) { requests_ = std::move(requests); }
    void setHistory(QUndoStack* history) { history_ = history; }

    [[nodiscard]] QString shownText() const;
    [[nodiscard]] qreal shownPointSize() const;

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
    [[nodiscard]] std::optional<FittedCellText> drawnText() const;
    [[nodiscard]] QRect textArea() const;
    void noteTyping(const QString& typed);
    void paste(const QString& pasted, bool replacing);
    void setDropTarget(bool target);

    CellRequests requests_;
    QUndoStack* history_ = nullptr;
    std::function<bool()> readsFractions_;
    std::optional<WrittenNumber> number_;  // the form of a number the program wrote
    QString lastText_;                     // the text before the latest edit
    int typingRun_ = 0;
    QMetaObject::Connection unmarkOnChange_;
    bool marked_ = false;
    QString markText_;
    QString hint_;
    bool dropTarget_ = false;  // a drag hovers over the cell: its drop cursor shows in the real text
};

}  // namespace rowsweep::ui
