#pragma once

#include <optional>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include "rowsweep/engine/written_number.h"

class QColor;
class QPainter;

namespace rowsweep::ui {

// The text a cell draws while the user is not editing it, and the font it
// draws it in: the whole text at the largest size from the cell's own down
// to kSmallestCellTextScale of it at which it fits in `room`; a text that
// does not fit even then is shortened (see shortenedCellText) at that
// smallest size, on two lines where its exponent needs one of its own.
// Only where not even the shortest of these fits there (a four-digit
// exponent in a narrow cell) is it drawn smaller still, rather than lose
// its exponent. `number` is the written form of a number the program
// wrote; a typed text is read as typed.
struct FittedCellText {
    QString text;  // its lines separated by "\n"
    QFont font;
};
inline constexpr double kSmallestCellTextScale = 0.6;
[[nodiscard]] FittedCellText fitCellText(const QString& text, const std::optional<WrittenNumber>& number,
                                         const QFont& font, QSize room);

// What a line edit with the contents rectangle `area` draws in place of
// its text; none where it fits whole at the font's size, and the line edit
// draws it itself.
[[nodiscard]] std::optional<FittedCellText> drawnCellText(const QString& text,
                                                          const std::optional<WrittenNumber>& number,
                                                          const QFont& font, const QRect& area);

// Draws it where a line edit draws its text: `area` is the line edit's
// contents, inside which it keeps a margin left and right.
void paintFittedText(QPainter& painter, const QRect& area, const FittedCellText& fitted, const QColor& colour);

}  // namespace rowsweep::ui
