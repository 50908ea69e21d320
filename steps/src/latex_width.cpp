#include "rowsweep/steps/latex_width.h"

#include <algorithm>

namespace rowsweep::steps {

namespace {

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

}  // namespace

bool fitsTheLine(const QString& latex)
{
    return estimatedWidth(latex) <= kLatexLineWidth;
}

double estimatedWidth(const QString& latex)
{
    return WidthReader(latex).read(0);
}

double estimatedScriptWidth(const QString& latex)
{
    return WidthReader(latex).read(1);
}

}  // namespace rowsweep::steps
