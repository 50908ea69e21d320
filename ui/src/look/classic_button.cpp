#include "rowsweep/ui/look/classic_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace rowsweep::ui {

namespace {

constexpr int kPictureTop = 2;
constexpr int kCaptionMargin = 3;

}  // namespace

ClassicButton::ClassicButton(const QString& caption, QWidget* parent, QPixmap picture)
    : QPushButton(caption, parent)
    , picture_(std::move(picture))
{
    // Enter presses the button that has the focus, as on any desktop form;
    // outside a dialog this makes no button the default.
    setAutoDefault(true);
    if (!picture_.isNull())
        setIcon(QIcon(picture_));  // for accessibility; painted by hand below
}

QRect ClassicButton::pictureRect() const
{
    const QSize size = picture_.deviceIndependentSize().toSize();
    return {QPoint((width() - size.width()) / 2, kPictureTop), size};
}

QRect ClassicButton::captionRect() const
{
    QRect caption = rect().adjusted(kCaptionMargin, 0, -kCaptionMargin, 0);
    if (!picture_.isNull()) {
        caption.setTop(pictureRect().bottom() + 1);
        caption.setBottom(height() - kPictureTop);
    }
    return caption;
}

void ClassicButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const bool sunken = isDown() || isChecked();
    const QPoint shift = sunken ? QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                                         style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this))
                                : QPoint();
    if (!picture_.isNull())
        painter.drawPixmap(pictureRect().translated(shift), picture_);
    painter.drawItemText(captionRect().translated(shift),
                         Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette, isEnabled(),
                         text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace rowsweep::ui
