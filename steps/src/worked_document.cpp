#include "rowsweep/steps/worked_document.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include "rowsweep/steps/worked_outline.h"

namespace rowsweep::steps {

namespace {

constexpr qreal kTitlePoints = 16;
constexpr qreal kHeadingPoints = 11.5;
constexpr qreal kBodyPoints = 10.5;
// A matrix too wide for the page is set smaller down to this size; below
// it a value would be too small to read, so it is wrapped instead.
constexpr qreal kSmallestMatrixPoints = 5;

// One line of the document: its height and how it is drawn below a top edge.
struct Line {
    qreal height;
    std::function<void(QPainter&, qreal top)> draw;
};

// Lines kept on one page whenever they fit on one.
struct Block {
    std::vector<Line> lines;
    bool spaced = true;  // a blank line before it, except at the top of a page
};

using CellLines = std::array<std::array<QStringList, kColumns>, kRows>;

// Sizes in the device's own units, which differ between a PDF and a printer.
class Look {
public:
    explicit Look(const QPaintDevice& device) : device_(device), point_(device.logicalDpiY() / 72.0) {}

    [[nodiscard]] QFont font(qreal points, bool bold = false) const
    {
        QFont font;
        font.setPointSizeF(points);
        font.setBold(bold);
        // Any letter spacing turns ligatures off: "fi" drawn as one glyph
        // would reach pdftotext, and a search or a copy, as "ﬁ".
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
        return font;
    }
    [[nodiscard]] QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
    [[nodiscard]] qreal points(qreal size) const { return size * point_; }
    [[nodiscard]] qreal pageWidth() const { return device_.width(); }
    [[nodiscard]] qreal pageHeight() const { return device_.height(); }
    [[nodiscard]] qreal indent() const { return points(14); }

    // The text broken into lines no wider than `width`: at word boundaries
    // for words, anywhere for a value longer than the width.
    [[nodiscard]] QStringList wrapped(const QString& text, const QFont& font, qreal width,
                                      QTextOption::WrapMode mode) const
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

    [[nodiscard]] std::vector<Line> paragraph(const QString& text, const QFont& font, qreal indent) const
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

private:
    const QPaintDevice& device_;
    qreal point_;
};

// Where the parts of one matrix go across the page, at one type size.
struct MatrixLayout {
    QFont font;
    std::array<qreal, kColumns> widths{};
    qreal gap = 0;      // between two columns; twice that around the bar
    qreal inside = 0;   // between a bracket and the values next to it
    qreal serif = 0;    // the bracket's arms
    CellLines values;   // each value as one line, or wrapped into several

    [[nodiscard]] qreal spacing() const { return 2 * inside + (kColumns + 1) * gap; }
    [[nodiscard]] qreal width() const { return spacing() + std::accumulate(widths.begin(), widths.end(), 0.0); }
    [[nodiscard]] qreal columnLeft(int column) const
    {
        const qreal before = std::accumulate(widths.begin(), widths.begin() + column, 0.0);
        return inside + before + gap * column + (column + 1 == kColumns ? gap : 0);
    }
};

MatrixLayout matrixAt(const Look& look, const CellTexts& texts, qreal points)
{
    MatrixLayout layout;
    layout.font = look.font(points);
    const QFontMetricsF metrics = look.metrics(layout.font);
    layout.gap = 1.2 * metrics.horizontalAdvance(u'0');
    layout.inside = 0.8 * metrics.horizontalAdvance(u'0');
    layout.serif = 0.5 * metrics.horizontalAdvance(u'0');
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            layout.widths[column] = std::max(layout.widths[column], metrics.horizontalAdvance(texts[row][column]));
            layout.values[row][column] = QStringList{texts[row][column]};
        }
    return layout;
}

// The widest columns give way first: each column keeps its width up to an
// even share of what the narrower ones left, and its values are wrapped to it.
void wrapToWidth(const Look& look, const CellTexts& texts, qreal available, MatrixLayout& layout)
{
    std::array<int, kColumns> narrowestFirst{};
    std::iota(narrowestFirst.begin(), narrowestFirst.end(), 0);
    std::sort(narrowestFirst.begin(), narrowestFirst.end(),
              [&layout](int a, int b) { return layout.widths[a] < layout.widths[b]; });
    qreal left = available - layout.spacing();
    for (int placed = 0; placed < kColumns; ++placed) {
        const int column = narrowestFirst[placed];
        layout.widths[column] = std::min(layout.widths[column], left / (kColumns - placed));
        left -= layout.widths[column];
    }
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            layout.values[row][column] =
                look.wrapped(texts[row][column], layout.font, layout.widths[column], QTextOption::WrapAnywhere);
}

// The body size when the matrix fits the width, else the largest size
// down to the smallest that fits, else the smallest with values wrapped.
MatrixLayout fitMatrix(const Look& look, const CellTexts& texts, qreal available)
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

// A line of a matrix per line of its values; the brackets and the bar are
// drawn a line's height at a time, so that they stay whole across the
// lines of a wrapped value.
std::vector<Line> matrixLines(const Look& look, const CellTexts& texts, qreal indent)
{
    const auto layout = std::make_shared<const MatrixLayout>(fitMatrix(look, texts, look.pageWidth() - indent));
    const QFontMetricsF metrics = look.metrics(layout->font);
    const qreal height = 1.25 * metrics.lineSpacing();
    const qreal baseline = (height - metrics.height()) / 2 + metrics.ascent();
    const qreal pen = look.points(0.6);
    std::vector<Line> lines;
    for (int row = 0; row < kRows; ++row) {
        qsizetype count = 0;
        for (const QStringList& value : layout->values[row])
            count = std::max(count, value.size());
        for (qsizetype part = 0; part < count; ++part) {
            const bool first = row == 0 && part == 0;
            const bool last = row + 1 == kRows && part + 1 == count;
            lines.push_back({height, [=](QPainter& painter, qreal top) {
                                 painter.setFont(layout->font);
                                 for (int column = 0; column < kColumns; ++column) {
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
                                 const qreal bar = indent + layout->columnLeft(kColumns - 1) - layout->gap;
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

void append(std::vector<Line>& lines, std::vector<Line> more)
{
    lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// A titled matrix: its name, what led to it, the matrix, and what is noted
// about it.
Block stepBlock(const Look& look, const WrittenStep& step, const QStringList& notes = {})
{
    Block block;
    append(block.lines, look.paragraph(step.title, look.font(kHeadingPoints, true), 0));
    for (const QString& operation : step.operations)
        append(block.lines, look.paragraph(operation, look.font(kBodyPoints), look.indent()));
    append(block.lines, matrixLines(look, step.matrix, look.indent()));
    for (const QString& note : notes)
        append(block.lines, look.paragraph(note, look.font(kBodyPoints), look.indent()));
    return block;
}

std::vector<Block> documentBlocks(const Look& look, const WorkedOutline& outline, QDate date)
{
    std::vector<Block> blocks;
    Block title{look.paragraph(documentTitle(), look.font(kTitlePoints, true), 0), false};
    append(title.lines, look.paragraph(QLocale().toString(date, QLocale::LongFormat), look.font(kBodyPoints), 0));
    blocks.push_back(std::move(title));
    blocks.push_back(stepBlock(look, outline.input, outline.inputNotes));
    for (const WrittenStep& step : outline.steps)
        blocks.push_back(stepBlock(look, step));
    if (!outline.warning.isEmpty())
        blocks.push_back({look.paragraph(outline.warning, look.font(kBodyPoints, true), 0)});
    for (const WrittenStep& step : outline.continuation)
        blocks.push_back(stepBlock(look, step));
    Block solution{look.paragraph(outline.solutionTitle, look.font(kHeadingPoints, true), 0)};
    for (const QString& line : QStringList{outline.verdict} + outline.solution)
        append(solution.lines, look.paragraph(line, look.font(kBodyPoints), look.indent()));
    blocks.push_back(std::move(solution));
    return blocks;
}

// Fills pages from the top, starting a block on a fresh page when it would
// not fit on this one; only a block taller than a page is broken, and then
// between two of its lines.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, qreal gap) : device_(device), painter_(painter), gap_(gap) {}

    void place(const Block& block)
    {
        qreal height = 0;
        for (const Line& line : block.lines)
            height += line.height;
        qreal gap = top_ > 0 && block.spaced ? gap_ : 0;
        if (top_ > 0 && top_ + gap + height > device_.height()) {
            newPage();
            gap = 0;
        }
        top_ += gap;
        for (const Line& line : block.lines) {
            if (top_ > 0 && top_ + line.height > device_.height())
                newPage();
            line.draw(painter_, top_);
            top_ += line.height;
        }
    }

    [[nodiscard]] int count() const { return count_; }

private:
    void newPage()
    {
        device_.newPage();
        ++count_;
        top_ = 0;
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal gap_;
    qreal top_ = 0;
    int count_ = 1;
};

}  // namespace

QString documentTitle()
{
    return QCoreApplication::translate("WorkedDocument", "Rowsweep: worked solution");
}

QPageSize paperFor(const QLocale& locale)
{
    // Besides the countries that measure in inches, these keep Letter.
    static constexpr std::array kLetterTerritories{QLocale::Canada,   QLocale::Mexico,    QLocale::Chile,
                                                   QLocale::Colombia, QLocale::Venezuela, QLocale::Philippines};
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem
                        || std::find(kLetterTerritories.begin(), kLetterTerritories.end(), locale.territory())
                               != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

int paintWorkedSolution(const WorkedSolution& solution, QPagedPaintDevice& device, QDate date)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Look look(device);
    Pages pages(device, painter, look.metrics(look.font(kBodyPoints)).lineSpacing());
    for (const Block& block : documentBlocks(look, workedOutline(solution), date))
        pages.place(block);
    return painter.end() ? pages.count() : 0;
}

bool writeWorkedSolutionPdf(const WorkedSolution& solution, QIODevice& out, const QPageSize& paper, QDate date)
{
    QPdfWriter writer(&out);
    writer.setTitle(documentTitle());
    writer.setCreator(QStringLiteral("Rowsweep"));
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    return paintWorkedSolution(solution, writer, date) > 0;
}

}  // namespace rowsweep::steps
