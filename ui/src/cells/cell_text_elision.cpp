#include "rowsweep/ui/cells/cell_text_elision.h"

#include <algorithm>

#include <QFontInfo>
#include <QRegularExpression>

namespace rowsweep::ui {

namespace {

const QChar kEllipsis(0x2026);

// The exponent or the denominator at the end of a number.
qsizetype tailStart(const QString& text)
{
    static const QRegularExpression kTail(QStringLiteral("(?<=[0-9.])(?:[eE][+-]?[0-9]+|/[0-9]+)$"));
    const QRegularExpressionMatch match = kTail.match(text);
    return match.hasMatch() ? match.capturedStart() : text.size();
}

struct Elided {
    QString text;
    bool keepsLead;  // the whole text, or its sign, its first significant digit and its whole tail
};

bool hasSignificantDigit(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

Elided elide(const QString& text, const QFontMetrics& metrics, int width)
{
    // Every character takes a pixel at least: a longer text cannot fit, and
    // a whole 32,767-character cell is not measured on every paint.
    const auto fits = [&](const QString& shown) {
        return shown.size() <= width && metrics.horizontalAdvance(shown) <= width;
    };
    if (fits(text))
        return {text, true};
    const QString trimmed = text.trimmed();
    if (fits(trimmed))
        return {trimmed, true};

    const qsizetype split = tailStart(trimmed);
    const QString head = trimmed.left(split);
    const QString tail = trimmed.mid(split);
    const qsizetype sign = head.startsWith(u'-') || head.startsWith(u'+') ? 1 : 0;
    qsizetype longest = 0;
    for (qsizetype kept = sign + 1; kept < head.size(); ++kept) {
        if (head[kept - 1] == u'.')
            continue;  // "2…e-16" rather than "2.…e-16"
        if (!fits(head.left(kept) + kEllipsis + tail))
            break;
        longest = kept;
    }
    if (longest > 0) {
        const QString kept = head.left(longest);
        return {kept + kEllipsis + tail, hasSignificantDigit(kept) || !hasSignificantDigit(head)};
    }
    for (const QString& shown : {head.left(sign) + kEllipsis + tail, kEllipsis + tail})
        if (fits(shown))
            return {shown, false};
    return {QString(kEllipsis), false};
}

}  // namespace

QString elidedCellText(const QString& text, const QFontMetrics& metrics, int width)
{
    return elide(text, metrics, width).text;
}

FittedCellText fitCellText(const QString& text, const QFont& font, int width)
{
    const int fullSize = QFontInfo(font).pixelSize();
    const int smallestSize = static_cast<int>(fullSize * kSmallestCellTextScale + 0.5);
    QFont drawn = font;
    Elided elided = elide(text, QFontMetrics(drawn), width);
    for (int size = fullSize - 1; !elided.keepsLead && size >= smallestSize; --size) {
        drawn.setPixelSize(size);
        elided = elide(text, QFontMetrics(drawn), width);
    }
    return {elided.text, drawn};
}

}  // namespace rowsweep::ui
