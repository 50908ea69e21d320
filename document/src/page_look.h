#pragma once

// The document's lines and the look of its type, in the device's own
// units, which differ between a PDF and a printer.

#include <functional>
#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextOption>

namespace rowsweep::document {

inline constexpr qreal kTitlePoints = 16;
inline constexpr qreal kHeadingPoints = 11.5;
inline constexpr qreal kBodyPoints = 10.5;

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

void append(std::vector<Line>& lines, std::vector<Line> more);

class Look {
public:
    explicit Look(const QPaintDevice& device) : device_(device), point_(device.logicalDpiY() / 72.0) {}

    [[nodiscard]] QFont font(qreal points, bool bold = false) const;
    [[nodiscard]] QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }
    [[nodiscard]] qreal points(qreal size) const { return size * point_; }
    [[nodiscard]] qreal pageWidth() const { return device_.width(); }
    [[nodiscard]] qreal pageHeight() const { return device_.height(); }
    [[nodiscard]] qreal indent() const { return points(14); }

    // The text broken into lines no wider than `width`: at word boundaries
    // for words, anywhere for a value longer than the width.
    [[nodiscard]] QStringList wrapped(const QString& text, const QFont& font, qreal width,
                                      QTextOption::WrapMode mode) const;

    // The text as lines of the page's width from `indent` on.
    [[nodiscard]] std::vector<Line> paragraph(const QString& text, const QFont& font, qreal indent) const;

private:
    const QPaintDevice& device_;
    qreal point_;
};

}  // namespace rowsweep::document
