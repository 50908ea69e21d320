#include "rowsweep/steps/latex_layout.h"

#include <algorithm>

namespace rowsweep::steps {

namespace {

// A default article page at 10 pt is 345 pt wide; a little is kept back
// for what the estimate misses.
constexpr double kLineWidth = 340.0;

// What a matrix adds to its entries whatever the font size: the gaps
// between columns (2 \arraycolsep each) and the brackets, which come from
// the 10 pt extension font.
constexpr double kColumnGaps = kColumns * 10.0;
constexpr double kBrackets = 2 * 6.7;
// An arrow reaches beyond its label on both sides, and as a relation it
// has a thick space before and after it.
constexpr double kArrowPadding = 6.5 + 2 * 2.78;

struct FontSize {
    const char* command;  // empty: the text's own size
    double scale;         // how much narrower its glyphs are than at 10 pt
};
// Computer Modern's smaller designs are relatively wider than their size.
constexpr FontSize kSizes[] = {
    {"", 1.0}, {"\\small", 0.93}, {"\\footnotesize", 0.86}, {"\\scriptsize", 0.82}, {"\\tiny", 0.7},
};

// What pdflatex sets for a piece of math at 10 pt, read atom by atom: the
// glyphs of Computer Modern, a superscript or subscript at the script size
// (about 0.8) with its \scriptspace, fractions at that size between null
// delimiters, the medium space around a binary operator and the thick space
// around a relation (in text style only; scripts set them tight), and \text
// words in the roman font, blanks included.
class WidthReader {
public:
    explicit WidthReader(const QString& latex)
        : text_(latex)
    {
    }

    double read(int style)
    {
        double width = 0;
        double widest = 0;
        while (at_ < text_.size() && text_[at_] != u'}') {
            if (text_[at_] == u'\\' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\\') {
                at_ += 2;  // a line break in \substack: the widest line counts
                widest = std::max(widest, width);
                width = 0;
                last_ = Atom::None;
                continue;
            }
            width += next(style);
        }
        return std::max(widest, width);
    }

private:
    enum class Atom { None, Ord, Bin, Rel, Open };

    static double scaleOf(int style) { return style == 0 ? 1.0 : style == 1 ? 0.82 : 0.7; }

    // The space TeX puts before an atom of this kind after the last one.
    double atom(Atom kind, int style)
    {
        Atom placed = kind;
        if (kind == Atom::Bin && (last_ == Atom::None || last_ == Atom::Bin || last_ == Atom::Rel || last_ == Atom::Open))
            placed = Atom::Ord;  // a sign, not an operation
        double space = 0;
        if (style == 0 && last_ != Atom::None && last_ != Atom::Open) {
            if (placed == Atom::Rel || last_ == Atom::Rel)
                space = last_ == placed ? 0 : 2.78;
            else if (placed == Atom::Bin || last_ == Atom::Bin)
                space = 2.23;
        }
        last_ = placed;
        return space;
    }

    double glyph(Atom kind, double width, int style) { return atom(kind, style) + width * scaleOf(style); }

    double group(int style)
    {
        const Atom outside = last_;
        last_ = Atom::None;
        const double width = read(style);
        if (at_ < text_.size())
            ++at_;  // the closing brace
        last_ = outside;
        return width;
    }

    // The next token or braced group as one ordinary atom.
    double argument(int style)
    {
        if (at_ >= text_.size())
            return 0;
        const Atom outside = last_;
        double width = 0;
        if (text_[at_] == u'{') {
            ++at_;
            width = group(style);
        } else {
            last_ = Atom::None;
            width = next(style);
            last_ = outside;
        }
        return width;
    }

    double next(int style)
    {
        const QChar c = text_[at_++];
        if (c == u'{')
            return atom(Atom::Ord, style) + group(style);
        if (c == u'^' || c == u'_')
            return argument(std::min(style + 1, 2)) + 0.5;
        if (c == u' ' || c == u'&')
            return 0;
        if (c == u'\\')
            return command(style);
        if (c == u'-' || c == u'+')
            return glyph(Atom::Bin, 7.78, style);
        if (c == u'=')
            return glyph(Atom::Rel, 7.78, style);
        if (c == u'(' || c == u'[')
            return glyph(Atom::Open, c == u'(' ? 3.89 : 2.78, style);
        if (c == u')' || c == u']' || c == u'|' || c == u'.' || c == u',')
            return glyph(Atom::Ord, c == u')' ? 3.89 : 2.78, style);
        if (c.isLetter())
            return glyph(Atom::Ord, c == u'x' ? 5.72 : 7.67, style);  // R and x, in italics
        return glyph(Atom::Ord, 5.0, style);  // digits, the slash
    }

    // Words in the roman font: each letter, and each blank, as wide as it is.
    double roman(int style)
    {
        const Atom outside = last_;
        if (at_ < text_.size() && text_[at_] == u'{')
            ++at_;
        double width = 0;
        for (int depth = 0; at_ < text_.size() && (depth > 0 || text_[at_] != u'}'); ++at_) {
            const QChar c = text_[at_];
            depth += c == u'{' ? 1 : c == u'}' ? -1 : 0;
            width += c == u' ' ? 3.34
                     : c.isUpper() ? 7.5
                     : c == u'm' || c == u'w' ? 8.34
                     : c.isDigit() || c.isLetter() ? 5.56
                     : 2.78;
        }
        if (at_ < text_.size())
            ++at_;
        last_ = outside;
        return atom(Atom::Ord, style) + width * scaleOf(style);
    }

    double command(int style)
    {
        QString name;
        while (at_ < text_.size() && text_[at_].isLetter())
            name += text_[at_++];
        if (name == QStringLiteral("frac") || name == QStringLiteral("tfrac")) {
            const int parts = name == QStringLiteral("tfrac") || style == 0 ? 1 : 2;
            const double space = atom(Atom::Ord, style);
            const double numerator = argument(parts);
            const double denominator = argument(parts);
            return space + std::max(numerator, denominator) + 2 * 1.2;
        }
        if (name == QStringLiteral("text") || name == QStringLiteral("mathrm"))
            return roman(style);
        if (name == QStringLiteral("times"))
            return glyph(Atom::Bin, 7.78, style);
        if (name == QStringLiteral("to") || name == QStringLiteral("leftrightarrow"))
            return glyph(Atom::Rel, 10.0, style);
        if (name == QStringLiteral("infty"))
            return glyph(Atom::Ord, 10.0, style);
        if (name == QStringLiteral("qquad"))
            return 20.0;
        if (name == QStringLiteral("substack"))
            return atom(Atom::Ord, style) + argument(style);
        return 0;  // spacing and the like
    }

    const QString& text_;
    qsizetype at_ = 0;
    Atom last_ = Atom::None;
};

// A width in parts: what shrinks with the font, the gaps between a
// matrix's columns, which narrow only when asked to, and the brackets.
struct Width {
    double glyphs = 0;
    double gaps = 0;
    double brackets = 0;

    [[nodiscard]] double at(double scale, double gapScale = 1.0) const
    {
        return glyphs * scale + gaps * gapScale + brackets;
    }
};

Width matrixWidth(const LatexMatrix& matrix)
{
    Width width{0, kColumnGaps, kBrackets};
    for (int column = 0; column < kColumns; ++column) {
        double widest = 0;
        for (int row = 0; row < kRows; ++row)
            widest = std::max(widest, estimatedWidth(matrix[row][column]));
        width.glyphs += widest;
    }
    return width;
}

// The label is set in the script size, each operation a line.
Width arrowWidth(const QStringList& operations)
{
    double widest = 0;
    for (const QString& operation : operations)
        widest = std::max(widest, WidthReader(operation).read(1));
    return {widest + kArrowPadding, 0, 0};
}

Width beside(const Width& left, const Width& right)
{
    return {left.glyphs + right.glyphs, left.gaps + right.gaps, left.brackets + right.brackets};
}

// The matrix as an augmented array in brackets; `split` breaks it after
// its third column, the bracket left open at the end of the first line and
// closed at the end of the second.
QString arrayOf(const LatexMatrix& matrix, bool split = false)
{
    const auto block = [&matrix](int first, int last) {
        QStringList rows;
        for (const auto& row : matrix) {
            QStringList entries;
            for (int column = first; column < last; ++column)
                entries << row[column];
            rows << entries.join(QStringLiteral(" & "));
        }
        return rows.join(QStringLiteral(" \\\\\n"));
    };
    if (!split)
        return QStringLiteral("\\left[\\begin{array}{ccccc|c}\n") + block(0, kColumns)
               + QStringLiteral("\n\\end{array}\\right]");
    constexpr int kBreak = kColumns / 2;
    return QStringLiteral("\\left[\\begin{array}{ccc}\n") + block(0, kBreak)
           + QStringLiteral("\n\\end{array}\\right. \\\\\n&\\qquad\\left.\\begin{array}{cc|c}\n")
           + block(kBreak, kColumns) + QStringLiteral("\n\\end{array}\\right]");
}

QString arrowOf(const QStringList& operations)
{
    const QString label = operations.size() == 1
                              ? operations.front()
                              : QStringLiteral("\\substack{") + operations.join(QStringLiteral(" \\\\ ")) + u'}';
    return QStringLiteral("&\\xrightarrow{") + label + QStringLiteral("}\n");
}

}  // namespace

bool fitsTheLine(const QString& latex)
{
    return estimatedWidth(latex) <= kLineWidth;
}

double estimatedWidth(const QString& latex)
{
    return WidthReader(latex).read(0);
}

QString layOutChain(const LatexChain& chain)
{
    const Width input = matrixWidth(chain.input);
    const auto wider = [](const Width& a, const Width& b, double scale) { return a.at(scale) >= b.at(scale) ? a : b; };
    Width widestStep;
    Width widestMatrix = input;
    Width widestArrow;
    for (const LatexStep& step : chain.steps) {
        const Width arrow = arrowWidth(step.operations);
        const Width matrix = matrixWidth(step.matrix);
        widestStep = wider(widestStep, beside(arrow, matrix), 1.0);
        widestMatrix = wider(widestMatrix, matrix, 1.0);
        widestArrow = wider(widestArrow, arrow, 1.0);
    }

    // The first line holds the input and the first step; every later step
    // starts a line of its own, its arrow under the first one.
    if (beside(input, widestStep).at(1.0) <= kLineWidth) {
        QString latex = QStringLiteral("\\begin{align*}\n") + arrayOf(chain.input);
        bool first = true;
        for (const LatexStep& step : chain.steps) {
            latex += (first ? QStringLiteral("\n") : QStringLiteral(" \\\\\n")) + arrowOf(step.operations)
                     + arrayOf(step.matrix);
            first = false;
        }
        return latex + QStringLiteral("\n\\end{align*}\n");
    }

    // Too wide for that: one matrix a line, each after its arrow, in the
    // largest size that fits; where even that is too wide, each arrow on a
    // line of its own above its matrix, at the smallest size with narrower
    // gaps between the columns when nothing else fits.
    const auto alongside = [&](double scale) { return std::max(input.at(scale), widestStep.at(scale)); };
    const auto stacked = [&](double scale, double gapScale = 1.0) {
        return std::max(widestMatrix.at(scale, gapScale), widestArrow.at(scale));
    };
    const FontSize* size = nullptr;
    bool arrowsApart = false;
    for (const bool apart : {false, true})
        for (const FontSize& candidate : kSizes)
            if (size == nullptr && (apart ? stacked(candidate.scale) : alongside(candidate.scale)) <= kLineWidth) {
                size = &candidate;
                arrowsApart = apart;
            }
    const bool narrow = size == nullptr;
    if (narrow) {
        size = std::end(kSizes) - 1;
        arrowsApart = true;
    }
    // Gaps of 1.5 pt instead of 5 pt; beyond that the matrices break.
    const bool split = narrow && stacked(size->scale, 0.3) > kLineWidth;
    const QString afterArrow = arrowsApart ? QStringLiteral("\\\\\n&") : QString();
    const QString settings = QString::fromLatin1(size->command)
                             + (narrow ? QStringLiteral("\\setlength{\\arraycolsep}{1.5pt}") : QString());
    QString latex = (settings.isEmpty() ? QString() : QStringLiteral("\\begingroup") + settings + u'\n')
                    + QStringLiteral("\\begin{align*}\n&") + arrayOf(chain.input, split);
    for (const LatexStep& step : chain.steps)
        latex += QStringLiteral(" \\\\\n") + arrowOf(step.operations) + afterArrow + arrayOf(step.matrix, split);
    return latex + QStringLiteral("\n\\end{align*}\n") + (settings.isEmpty() ? QString() : QStringLiteral("\\endgroup\n"));
}

}  // namespace rowsweep::steps
