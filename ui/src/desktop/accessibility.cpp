#include "rowsweep/ui/desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "rowsweep/ui/look/clickable_label.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/look/separator_line.h"
#include "plain_text_accessible.h"

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
           || name == toQString(names::kSolvingWindow) || name == toQString(names::kReducedFormWindow)
           || name == toQString(names::kPracticeWindow);
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
// One without a name, the verdict line before a Solve, is no link: there
// is nothing to say about it, and pressing it would do nothing.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QAccessible::Role role() const override { return named() ? QAccessible::Link : QAccessible::StaticText; }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = named();
        return state;
    }

    QStringList actionNames() const override
    {
        return named() ? QStringList{pressAction()} + QAccessibleWidget::actionNames() : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (named() && takesInput(*widget()))
            static_cast<ClickableLabel*>(widget())->click();
    }

private:
    bool named() const { return !widget()->accessibleName().isEmpty(); }
};

// The practice's feedback: a status line, whose every new text is said.
class StatusAccessible final : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel* line)
        : QAccessibleWidget(line, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? static_cast<const QLabel*>(widget())->text() : QAccessibleWidget::text(which);
    }
};

bool isFeedback(const QWidget& widget)
{
    return widget.objectName() == toQString(names::kFeedback) && widget.window() != nullptr
           && widget.window()->objectName() == toQString(names::kPracticeWindow);
}

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
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && isFeedback(*label))
        return new StatusAccessible(label);
    // Decided by class alone: Qt asks for the interface while the box is
    // still being built, before it is made read-only.
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return plainTextAccessible(text);
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
