#include "rowsweep/ui/look/separator_line.h"

#include <QPainter>

#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/look/twips.h"

namespace rowsweep::ui {

SeparatorLine::SeparatorLine(const LinePlacement& line, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(line.index == kNotAnElement ? toQString(line.name) : elementName(line.name, line.index));
    setGeometry(twipsToPixels(line.x), twipsToPixels(line.top), 1,
                twipsToPixels(line.bottom) - twipsToPixels(line.top) + 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), kScrollBarGrey);
}

}  // namespace rowsweep::ui
