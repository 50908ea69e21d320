#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace rowsweep::ui {

// What a cell too narrow for its text shows while the user is not editing
// it: the sign and as many leading digits as fit, an ellipsis, and the
// whole of the part that says how large the value is: its exponent
// ("2.2204…e-16", "-3.3333…e+19") or, for a fraction, its denominator
// ("-123456…/7"). When even a single leading digit leaves no room, the
// digits go before the sign, the sign before the exponent; the ellipsis
// alone says there is more. A text that fits is returned as it is.
[[nodiscard]] QString elidedCellText(const QString& text, const QFontMetrics& metrics, int width);

// The text a cell draws and the font it draws it in: a text whose
// exponent or denominator would leave no room for a leading digit is drawn
// smaller, down to kSmallestCellTextScale of the cell's font, before it
// loses either.
struct FittedCellText {
    QString text;
    QFont font;
};
inline constexpr double kSmallestCellTextScale = 0.6;
[[nodiscard]] FittedCellText fitCellText(const QString& text, const QFont& font, int width);

}  // namespace rowsweep::ui
