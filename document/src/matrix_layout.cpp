#include "matrix_layout.h"

#include <algorithm>
#include <vector>
#include <memory>
#include <numeric>

namespace rowsweep::document {

namespace {

using CellLines = std::vector<std::vector<QStringList>>;

// A matrix too wide for the page is set smaller down to this size; below
// it a value would be too small to read, so it is wrapped instead.
constexpr qreal kSmallestMatrixPoints = 5;

// Where the parts of one matrix go across the page, at one type size.
struct MatrixLayout {
    QFont font;
    std::vector<qreal> widths;
    qreal gap = 0;      // between two columns; twice that around the bar
    qreal inside = 0;   // between a bracket and the values next to it
    qreal serif = 0;    // the bracket's arms
    CellLines values;   // each value as one line, or wrapped into several

    [[nodiscard]] int columns() const { return static_cast<int>(widths.size()); }
    [[nodiscard]] qreal spacing() const { return 2 * inside + (columns() + 1) * gap; }
    [[nodiscard]] qreal width() const { return spacing() + std::accumulate(widths.begin(), widths.end(), 0.0); }
    [[nodiscard]] qreal columnLeft(int column) const
    {
        const qreal before = std::accumulate(widths.begin(), widths.begin() + column, 0.0);
        return inside + before + gap * column + (column + 1 == columns() ? gap : 0);
    }
};

MatrixLayout matrixAt(const Look& look, const MatrixTexts& texts, qreal points)
{
    MatrixLayout layout;
    layout.font = look.font(points);
    layout.widths.assign(texts.empty() ? 0 : texts.front().size(), 0);
    layout.values.assign(texts.size(), std::vector<QStringList>(layout.widths.size()));
    const QFontMetricsF metrics = look.metrics(layout.font);
    layout.gap = 1.2 * metrics.horizontalAdvance(u'0');
    layout.inside = 0.8 * metrics.horizontalAdvance(u'0');
    layout.serif = 0.5 * metrics.horizontalAdvance(u'0');
    for (std::size_t row = 0; row < texts.size(); ++row)
        for (int column = 0; column < layout.columns(); ++column) {
            layout.widths[column] = std::max(layout.widths[column], metrics.horizontalAdvance(texts[row][column]));
            layout.values[row][column] = QStringList{texts[row][column]};
        }
    return layout;
}

// The widest columns give way first: each column keeps its width up to an
// even share of what the narrower ones left, and its values are wrapped to it.
void wrapToWidth(const Look& look, const MatrixTexts& texts, qreal available, MatrixLayout& layout)
{
    std::vector<int> narrowestFirst(layout.widths.size());
    std::iota(narrowestFirst.begin(), narrowestFirst.end(), 0);
    std::sort(narrowestFirst.begin(), narrowestFirst.end(),
              [&layout](int a, int b) { return layout.widths[a] < layout.widths[b]; });
    qreal left = available - layout.spacing();
    for (int placed = 0; placed < layout.columns(); ++placed) {
        const int column = narrowestFirst[placed];
        layout.widths[column] = std::min(layout.widths[column], left / (layout.columns() - placed));
        left -= layout.widths[column];
    }
    for (std::size_t row = 0; row < texts.size(); ++row)
        for (int column = 0; column < layout.columns(); ++column)
            layout.values[row][column] =
                look.wrapped(texts[row][column], layout.font, layout.widths[column], QTextOption::WrapAnywhere);
}

// The body size when the matrix fits the width, else the largest size
// down to the smallest that fits, else the smallest with values wrapped.
MatrixLayout fitMatrix(const Look& look, const MatrixTexts& texts, qreal available)
{
    MatrixLayout layout = matrixAt(look, texts, kBodyPoints);
    if (layout.width() <= available)
        return layout;
    qreal points = std::max(kSmallestMatrixPoints, kBodyPoints * available / layout.width());
    layout = matrixAt(look, texts, points);
    while (layout.width() > available && points > kSmallestMatrixPoints) {
        points = std::max(kSmallestMatrixPoints, points - 0.25);
        layout = matrixAt(look, texts, points);
    }
    if (layout.width() > available)
        wrapToWidth(look, texts, available, layout);
    return layout;
}

}  // namespace

// A line of a matrix per line of its values; the brackets and the bar are
// drawn a line's height at a time, so that they stay whole across the
// lines of a wrapped value.
std::vector<Line> matrixLines(const Look& look, const MatrixTexts& texts, qreal indent)
{
    const auto layout = std::make_shared<const MatrixLayout>(fitMatrix(look, texts, look.pageWidth() - indent));
    const QFontMetricsF metrics = look.metrics(layout->font);
    const qreal height = 1.25 * metrics.lineSpacing();
    const qreal baseline = (height - metrics.height()) / 2 + metrics.ascent();
    const qreal pen = look.points(0.6);
    std::vector<Line> lines;
    const int rows = static_cast<int>(texts.size());
    for (int row = 0; row < rows; ++row) {
        qsizetype count = 0;
        for (const QStringList& value : layout->values[row])
            count = std::max(count, value.size());
        for (qsizetype part = 0; part < count; ++part) {
            const bool first = row == 0 && part == 0;
            const bool last = row + 1 == rows && part + 1 == count;
            lines.push_back({height, [=](QPainter& painter, qreal top) {
                                 painter.setFont(layout->font);
                                 for (int column = 0; column < layout->columns(); ++column) {
                                     const QStringList& value = layout->values[row][column];
                                     if (part >= value.size())
                                         continue;
                                     const qreal right = indent + layout->columnLeft(column) + layout->widths[column];
                                     const qreal width = metrics.horizontalAdvance(value[part]);
                                     painter.drawText(QPointF(right - width, top + baseline), value[part]);
                                 }
                                 painter.setPen(QPen(Qt::black, pen));
                                 const qreal leftBracket = indent;
                                 const qreal rightBracket = indent + layout->width();
                                 const qreal bar = indent + layout->columnLeft(layout->columns() - 1) - layout->gap;
                                 for (const qreal x : {leftBracket, bar, rightBracket})
                                     painter.drawLine(QPointF(x, top), QPointF(x, top + height));
                                 for (const auto& [y, armed] : {std::pair{top, first}, std::pair{top + height, last}})
                                     if (armed) {
                                         painter.drawLine(QPointF(leftBracket, y), QPointF(leftBracket + layout->serif, y));
                                         painter.drawLine(QPointF(rightBracket, y), QPointF(rightBracket - layout->serif, y));
                                     }
                             }});
        }
    }
    return lines;
}

std::vector<Line> matrixLines(const Look& look, const steps::CellTexts& texts, qreal indent)
{
    MatrixTexts rows;
    for (const auto& row : texts)
        rows.emplace_back(row.begin(), row.end());
    return matrixLines(look, rows, indent);
}

}  // namespace rowsweep::document
