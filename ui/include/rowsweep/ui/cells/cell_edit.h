#pragma once

#include <functional>

#include <QLineEdit>
#include <QList>
#include <QStringList>

class QMenu;

namespace rowsweep::ui {

// Values as spreadsheets and text files copy them: one list per line.
using PastedBlock = QList<QStringList>;

// Splits pasted text into lines at line breaks and each line into values:
// at tabs when it has any (a spreadsheet's empty cell stays an empty value),
// else at semicolons, else at runs of white space. A comma never separates:
// some write it as the decimal mark. White space around each value and
// blank lines around the block are dropped.
[[nodiscard]] PastedBlock splitPastedText(const QString& text);

// One cell of a grid. Written by the program, or left by the user, it
// shows the beginning of its text, where the sign and the leading digits
// are. A text too wide for
// it, or a value close to a simple fraction, is shown whole on hover. A
// paste drops the blanks and line breaks around a value, and a block of
// values is handed to the grid.
class CellEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit CellEdit(QWidget* parent);

    // Assigns the text as the program writes cells, scrolled to its start.
    void showText(const QString& text);

    // After a Solve: a cell whose text is neither blank nor a number counted
    // as 0, and is drawn in red until its text changes.
    void setMarked(bool marked);
    [[nodiscard]] bool isMarkedNotANumber() const { return marked_; }

    // Pastes as Ctrl+V does, from the given text instead of the clipboard.
    void pasteText(const QString& text);

    // The line edit's own context menu, its Paste going through pasteText.
    [[nodiscard]] QMenu* createEditMenu();

    // Adds the grid's own commands below the line edit's menu.
    using MenuExtension = std::function<void(QMenu&)>;
    void setMenuExtension(MenuExtension extension) { menuExtension_ = std::move(extension); }

    // Called when more than one value was pasted: they belong from this
    // cell rightwards and downwards. The grid is the only one who cares.
    using BlockPasteHandler = std::function<void(const PastedBlock&)>;
    void setBlockPasteHandler(BlockPasteHandler handler) { blockPasted_ = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    [[nodiscard]] QString hoverText() const;
    [[nodiscard]] bool textFits() const;
    void pasteValue(const QString& value);
    void startUndoStep();

    BlockPasteHandler blockPasted_;
    MenuExtension menuExtension_;
    QMetaObject::Connection unmarkOnChange_;
    bool marked_ = false;
    // Characters that pastes put into the undo history since it was last
    // emptied; see pasteValue.
    qsizetype pastedIntoHistory_ = 0;
};

}  // namespace rowsweep::ui
