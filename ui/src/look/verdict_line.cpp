#include "rowsweep/ui/look/verdict_line.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>

namespace rowsweep::ui {

// Empty, the line is no link for a screen reader; one that holds a verdict
// is announced as one.
void VerdictLine::showLine(const QString& line, const QString& details)
{
    const bool wasLink = !text().isEmpty();
    details_ = details;
    setText(line);
    setAccessibleName(line);
    setAccessibleDescription(details);
    updateToolTip();
    if (wasLink != !line.isEmpty()) {
        QAccessible::State linked;
        linked.linked = true;
        QAccessibleStateChangeEvent event(this, linked);
        QAccessible::updateAccessibility(&event);
    }
}

void VerdictLine::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

QString VerdictLine::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void VerdictLine::resizeEvent(QResizeEvent* event)
{
    ClickableLabel::resizeEvent(event);
    updateToolTip();
}

bool VerdictLine::lineFits() const
{
    return fontMetrics().horizontalAdvance(text()) <= contentsRect().width();
}

void VerdictLine::updateToolTip()
{
    const bool whole = lineFits() || text().isEmpty();
    setToolTip(whole ? details_ : details_.isEmpty() ? text() : text() + u'\n' + details_);
}

}  // namespace rowsweep::ui
