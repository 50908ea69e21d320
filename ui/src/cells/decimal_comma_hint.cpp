#include "rowsweep/ui/cells/decimal_comma_hint.h"

#include <QCoreApplication>

#include "rowsweep/engine/cell_text.h"

namespace rowsweep::ui {

QString decimalCommaHint(const QString& cellText, const QLocale& language)
{
    if (language.decimalPoint() != QStringLiteral(",") || !cellText.contains(u','))
        return {};
    const QString withPoint = QString(cellText).replace(u',', u'.');
    if (!parseCellText(withPoint.toStdString()))
        return {};
    //: Added to the tooltip "Not a number: counted as 0" of a cell such as "1,5", only in a language that writes a decimal comma. %1 is the cell's text with a decimal point ("1.5").
    return QCoreApplication::translate("rowsweep::ui::CellEdit", "Decimals are written with a point: %1").arg(withPoint.trimmed());
}

}  // namespace rowsweep::ui
