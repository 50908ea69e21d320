#include "plain_text_accessible.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace rowsweep::ui {

namespace {

// The About window's multi-line text box, read-only and always showing all
// of its text: its text, caret and selection, but none of the viewport and
// scroll bars Qt builds it from. It offers no editing; the program has no
// editable multi-line text.
class PlainTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PlainTextAccessible(QPlainTextEdit* text)
        : QAccessibleWidget(text, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? allText() : QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !state.readOnly;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = edit()->textCursor();
        const bool selected = index == 0 && cursor.hasSelection();
        *start = selected ? cursor.selectionStart() : 0;
        *end = selected ? cursor.selectionEnd() : 0;
    }

    int selectionCount() const override { return edit()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }

    void removeSelection(int index) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = edit()->textCursor();
        cursor.clearSelection();
        edit()->setTextCursor(cursor);
    }

    void setSelection(int index, int start, int end) override
    {
        if (index != 0)
            return;
        QTextCursor cursor(edit()->document());
        cursor.setPosition(clamped(start));
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }

    int cursorPosition() const override { return edit()->textCursor().position(); }

    void setCursorPosition(int position) override
    {
        QTextCursor cursor = edit()->textCursor();
        cursor.setPosition(clamped(position));
        edit()->setTextCursor(cursor);
    }

    QString text(int start, int end) const override
    {
        const int from = clamped(start);
        return allText().mid(from, std::max(0, clamped(end) - from));
    }

    int characterCount() const override { return static_cast<int>(allText().size()); }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(clamped(offset));
        QRect box = edit()->cursorRect(cursor);
        const QString all = allText();
        if (offset >= 0 && offset < all.size())
            box.setWidth(edit()->fontMetrics().horizontalAdvance(all.at(offset)));
        return {edit()->viewport()->mapToGlobal(box.topLeft()), box.size()};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = edit()->viewport()->mapFromGlobal(point);
        if (!edit()->viewport()->rect().contains(local))
            return -1;
        return edit()->cursorForPosition(local).position();
    }

    // The whole text is always in view: the box has no scroll bars and is
    // made tall enough for its lines.
    void scrollToSubstring(int /*start*/, int /*end*/) override {}

    // One run of plain text without attributes of its own.
    QString attributes(int /*offset*/, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QPlainTextEdit* edit() const { return static_cast<QPlainTextEdit*>(widget()); }
    QString allText() const { return edit()->toPlainText(); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

}  // namespace

QAccessibleInterface* plainTextAccessible(QPlainTextEdit* text)
{
    return new PlainTextAccessible(text);
}

}  // namespace rowsweep::ui
