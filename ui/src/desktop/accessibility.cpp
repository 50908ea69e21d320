#include "rowsweep/ui/desktop/accessibility.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "rowsweep/ui/look/clickable_label.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/look/separator_line.h"

namespace rowsweep::ui {

namespace {

// The object names of the program's own windows; message boxes and tooltips
// keep Qt's description.
bool isRowsweepWindow(const QWidget& widget)
{
    if (!widget.isWindow())
        return false;
    const QString name = widget.objectName();
    return name == toQString(names::kMainWindow) || name == toQString(names::kAboutWindow)
           || name == toQString(names::kSolvingWindow) || name == toQString(names::kReducedFormWindow);
}

// Drawn for the eye only; a screen reader has nothing to say about it.
bool isDecoration(const QObject* object)
{
    return qobject_cast<const SeparatorLine*>(object) != nullptr;
}

// A window blocked by a modal one takes no click, so it takes no press either.
bool takesInput(const QWidget& widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return widget.isVisible() && widget.isEnabled() && (modal == nullptr || modal == widget.window());
}

class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isVisible() && widget()->windowModality() != Qt::NonModal;
        return state;
    }
};

// A frame named by its caption whose children leave out its decorations.
class FrameAccessible final : public QAccessibleWidget {
public:
    explicit FrameAccessible(QGroupBox* frame)
        : QAccessibleWidget(frame, QAccessible::Grouping)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QGroupBox*>(widget())->title();
        return QAccessibleWidget::text(which);
    }

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> children = shownChildren();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return static_cast<int>(shownChildren().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> shownChildren() const
    {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child != nullptr && !isDecoration(child->object()))
                children.append(child);
        }
        return children;
    }
};

// Should a decoration be reached anyway (through an event about it), it
// is an unnamed separator, not a second object named like its frame.
class DecorationAccessible final : public QAccessibleWidget {
public:
    explicit DecorationAccessible(QWidget* line)
        : QAccessibleWidget(line, QAccessible::Separator)
    {
    }

    QString text(QAccessible::Text /*which*/) const override { return {}; }
};

// The maker's picture and the About link are out of the Tab order by
// design; their press action is the only way to them without a mouse.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (takesInput(*widget()))
            static_cast<ClickableLabel*>(widget())->click();
    }
};

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

QAccessibleInterface* rowsweepAccessible(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (isRowsweepWindow(*widget))
        return new WindowAccessible(widget);
    if (auto* frame = qobject_cast<QGroupBox*>(widget); frame != nullptr && !frame->isCheckable())
        return new FrameAccessible(frame);
    if (isDecoration(widget))
        return new DecorationAccessible(widget);
    if (auto* link = qobject_cast<ClickableLabel*>(widget))
        return new LinkAccessible(link);
    // Decided by class alone: Qt asks for the interface while the box is
    // still being built, before it is made read-only.
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return new PlainTextAccessible(text);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    // Installing twice would only ask the same factory twice. Qt asks the
    // factory installed last first, so this one comes before Qt's own.
    static const bool installed = [] {
        QAccessible::installFactory(&rowsweepAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

void nameMessageBoxIcon(QMessageBox& box, const QString& name)
{
    for (QLabel* label : box.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            label->setAccessibleName(name);
}

}  // namespace rowsweep::ui
