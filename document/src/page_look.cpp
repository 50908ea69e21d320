#include "page_look.h"

#include <QTextLayout>

namespace rowsweep::document {

void append(std::vector<Line>& lines, std::vector<Line> more)
{
    lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

QFont Look::font(qreal points, bool bold) const
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing turns ligatures off: "fi" drawn as one glyph
    // would reach pdftotext, and a search or a copy, as "ﬁ".
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return font;
}

QStringList Look::wrapped(const QString& text, const QFont& font, qreal width, QTextOption::WrapMode mode) const
{
    QTextLayout layout(text, font, &device_);
    QTextOption option;
    option.setWrapMode(mode);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

std::vector<Line> Look::paragraph(const QString& text, const QFont& font, qreal indent) const
{
    const QFontMetricsF metrics = this->metrics(font);
    std::vector<Line> lines;
    for (const QString& part : wrapped(text, font, pageWidth() - indent, QTextOption::WrapAtWordBoundaryOrAnywhere))
        lines.push_back({metrics.lineSpacing(), [font, part, indent, ascent = metrics.ascent()](QPainter& painter, qreal top) {
                             painter.setFont(font);
                             painter.drawText(QPointF(indent, top + ascent), part);
                         }});
    return lines;
}

}  // namespace rowsweep::document
