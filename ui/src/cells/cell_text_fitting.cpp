#include "rowsweep/ui/cells/cell_text_fitting.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "rowsweep/ui/cells/cell_text_shortening.h"

namespace rowsweep::ui {

namespace {

// QLineEdit keeps this much room left and right of its text.
constexpr int kLineEditTextMargin = 2;

}  // namespace


FittedCellText fitCellText(const QString& text, const std::optional<WrittenNumber>& number, const QFont& font,
                           int width)
{
    const auto fitsAt = [width](const QFont& drawn) {
        const QFontMetrics metrics(drawn);
        // Every character takes a pixel at least: a longer text cannot fit,
        // and a whole 32,767-character cell is not measured.
        return [width, metrics](const QString& shown) {
            return shown.size() <= width && metrics.horizontalAdvance(shown) <= width;
        };
    };
    const int fullSize = QFontInfo(font).pixelSize();
    const int smallestSize = static_cast<int>(fullSize * kSmallestCellTextScale + 0.5);
    QFont drawn = font;
    for (int size = fullSize; size >= smallestSize; --size) {
        if (size != fullSize)
            drawn.setPixelSize(size);
        if (fitsAt(drawn)(text))
            return {text, drawn};
    }
    const std::optional<WrittenNumber> read =
        number ? number : readWrittenNumber(text.toStdString());
    const QString shortened = shortenedCellText(text, read, fitsAt(drawn));
    // The shortest form keeps sign, two digits and the exponent; in a cell
    // too narrow even for that at the smallest size, it is drawn smaller
    // still rather than lose its exponent at the edge.
    for (int size = smallestSize - 1; size > 0 && !fitsAt(drawn)(shortened); --size)
        drawn.setPixelSize(size);
    return {shortened, drawn};
}

std::optional<FittedCellText> drawnCellText(const QString& text, const std::optional<WrittenNumber>& number,
                                            const QFont& font, const QRect& area)
{
    if (text.isEmpty())
        return std::nullopt;
    FittedCellText fitted = fitCellText(text, number, font, area.width() - 2 * kLineEditTextMargin);
    if (fitted.text == text && fitted.font == font)
        return std::nullopt;
    return fitted;
}

void paintFittedText(QPainter& painter, const QRect& area, const FittedCellText& fitted, const QColor& colour)
{
    const QFontMetrics metrics(fitted.font);
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    painter.setClipRect(area);
    painter.setFont(fitted.font);
    painter.setPen(colour);
    painter.drawText(QPoint(area.x() + kLineEditTextMargin, top + metrics.ascent()), fitted.text);
}

}  // namespace rowsweep::ui
