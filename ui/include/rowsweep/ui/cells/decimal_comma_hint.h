#pragma once

#include <QLocale>
#include <QString>

namespace rowsweep::ui {

// What the red mark of a cell that is not a number adds for a text such as
// "1,5", a number but for its decimal comma, in a language that writes
// decimals with a comma: that the cells take a decimal point, with the text
// so written ("1.5"). Empty for any other text, and in a language that
// writes a point (English, Mexican Spanish). The number grammar itself is
// the same in every language.
[[nodiscard]] QString decimalCommaHint(const QString& cellText, const QLocale& language = QLocale());

}  // namespace rowsweep::ui
