#include "rowsweep/ui/separator_line.h"

#include <QPainter>

#include "rowsweep/ui/layout.h"
#include "rowsweep/ui/twips.h"

namespace rowsweep::ui {

SeparatorLine::SeparatorLine(const LineSpec& spec, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(toQString(spec.name));
    setGeometry(twipsToPixels(spec.x), twipsToPixels(spec.top), 1,
                twipsToPixels(spec.bottom) - twipsToPixels(spec.top) + 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SeparatorLine::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), kScrollBarGrey);
}

}  // namespace rowsweep::ui
