#include "rowsweep/ui/cells/cell_hover_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/cell_reading.h"
#include "rowsweep/steps/number_text.h"

namespace rowsweep::ui {

namespace {

// Beyond this a tooltip shows the start of the text only: no cell is that
// wide, and a tooltip of a whole 32,767-character cell would be wider than
// any screen.
constexpr qsizetype kLongestHoverText = 200;

// A value that floating point counts as 0, a fraction or one beyond its
// range: what Exact Fractions reads.
QString exactValueUnread(const QString& text)
{
    if (steps::readCell(text, steps::Arithmetic::FloatingPoint).unread != steps::Unread::NotInFloatingPoint)
        return {};
    const std::optional<Rational> exact = parseExactCellText(text.toStdString(), true);
    return QCoreApplication::translate("CellHover", "(%1 in Exact Fractions)")
        .arg(QString::fromStdString(exactDecimalText(*exact)));
}

}  // namespace

QString cellHoverText(const CellHover& hover)
{
    QStringList lines;
    if (hover.text.size() <= kLongestHoverText) {
        QString value = hover.readsFractions ? QString() : exactValueUnread(hover.text);
        if (value.isEmpty())
            value = steps::valueHint(hover.text);
        if (!value.isEmpty() || !hover.drawnWhole)
            lines << (value.isEmpty() ? hover.text : hover.text + u' ' + value);
    } else {
        lines << hover.text.left(kLongestHoverText) + QChar(0x2026);
    }
    if (!hover.mark.isEmpty())
        lines << hover.mark;
    if (!hover.hint.isEmpty())
        lines << hover.hint;
    return lines.join(QChar(u'\n'));
}

}  // namespace rowsweep::ui
