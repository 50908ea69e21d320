#include "rowsweep/ui/controls.h"

#include <QPlainTextEdit>

#include "rowsweep/ui/classic_button.h"
#include "rowsweep/ui/clickable_label.h"
#include "rowsweep/ui/pictures.h"

namespace rowsweep::ui {

namespace {

QWidget* createWidget(const ControlSpec& layout, QWidget* parent)
{
    const QString caption = toQString(layout.caption);
    switch (layout.kind) {
    case ControlKind::PushButton:
        return new ClassicButton(caption, parent);
    case ControlKind::GraphicalButton:
        return new ClassicButton(caption, parent, aboutPicture());
    case ControlKind::Picture:
    case ControlKind::Label:
        return new ClickableLabel(caption, parent);
    case ControlKind::TextBox: {
        auto* text = new QPlainTextEdit(caption, parent);
        text->setTabChangesFocus(true);
        return text;
    }
    case ControlKind::Frame:
        break;
    }
    Q_UNREACHABLE();
    return nullptr;
}

}  // namespace

QWidget* createControl(const ControlSpec& layout, QWidget* parent)
{
    QWidget* control = createWidget(layout, parent);
    control->setObjectName(toQString(layout.name));
    control->setGeometry(toPixels(layout.rect));
    return control;
}

void onClick(QWidget& control, std::function<void()> handler)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        QObject::connect(button, &QAbstractButton::clicked, button, [handler = std::move(handler)] { handler(); });
    else if (auto* label = qobject_cast<ClickableLabel*>(&control))
        QObject::connect(label, &ClickableLabel::clicked, label, std::move(handler));
}

}  // namespace rowsweep::ui
