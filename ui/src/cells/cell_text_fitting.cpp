#include "rowsweep/ui/cells/cell_text_fitting.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include "rowsweep/ui/cells/cell_text_shortening.h"

namespace rowsweep::ui {

namespace {

// QLineEdit keeps this much room left and right of its text.
constexpr int kLineEditTextMargin = 2;

}  // namespace


FittedCellText fitCellText(const QString& text, const std::optional<WrittenNumber>& number, const QFont& font,
                           QSize room)
{
    const auto fitsAt = [room](const QFont& drawn) {
        const QFontMetrics metrics(drawn);
        // Every character takes a pixel at least: a longer text cannot fit,
        // and a whole 32,767-character cell is not measured. A single line
        // fits the height as the line edit's own does.
        return [room, metrics](const QString& shown) {
            if (shown.size() > 2 * room.width())
                return false;
            const QStringList lines = shown.split(u'\n');
            if (lines.size() > 1 && lines.size() * metrics.height() > room.height())
                return false;
            return std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
                return line.size() <= room.width() && metrics.horizontalAdvance(line) <= room.width();
            });
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
    QString shortened = shortenedCellText(text, read, fitsAt(drawn));
    // Drawn smaller still, a form goes on one line where two do not fit
    // the cell's height.
    if (2 * QFontMetrics(drawn).height() > room.height())
        shortened.remove(u'\n');
    for (int size = smallestSize - 1; size > 0 && !fitsAt(drawn)(shortened); --size)
        drawn.setPixelSize(size);
    return {shortened, drawn};
}

std::optional<FittedCellText> drawnCellText(const QString& text, const std::optional<WrittenNumber>& number,
                                            const QFont& font, const QRect& area)
{
    if (text.isEmpty())
        return std::nullopt;
    FittedCellText fitted =
        fitCellText(text, number, font, {area.width() - 2 * kLineEditTextMargin, area.height()});
    if (fitted.text == text && fitted.font == font)
        return std::nullopt;
    return fitted;
}

void paintFittedText(QPainter& painter, const QRect& area, const FittedCellText& fitted, const QColor& colour)
{
    const QFontMetrics metrics(fitted.font);
    const QStringList lines = fitted.text.split(u'\n');
    int top = area.y() + (area.height() - static_cast<int>(lines.size()) * metrics.height() + 1) / 2;
    painter.setClipRect(area);
    painter.setFont(fitted.font);
    painter.setPen(colour);
    for (const QString& line : lines) {
        painter.drawText(QPoint(area.x() + kLineEditTextMargin, top + metrics.ascent()), line);
        top += metrics.height();
    }
}

}  // namespace rowsweep::ui
