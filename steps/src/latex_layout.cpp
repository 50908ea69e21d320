#include "rowsweep/steps/latex_layout.h"

#include <algorithm>

namespace rowsweep::steps {

namespace {

// A default article page at 10 pt is 345 pt wide; a little is kept back
// for what the estimate misses.
constexpr double kLineWidth = 290.0;

// Brackets, the gaps between columns (2 \arraycolsep each) and the rule.
constexpr double kMatrixFrame = 2 * 6.0 + kColumns * 10.0 + 1.0;
// An arrow reaches a little beyond its label on both sides.
constexpr double kArrowPadding = 12.0;

struct FontSize {
    const char* command;  // empty: the text's own size
    double scale;
};
// How much narrower a matrix is set in each size: the gaps between
// columns stay as they are, so it shrinks less than its font.
constexpr FontSize kSizes[] = {
    {"", 1.0}, {"\\small", 0.92}, {"\\footnotesize", 0.85}, {"\\scriptsize", 0.8}, {"\\tiny", 0.7},
};

class WidthReader {
public:
    explicit WidthReader(const QString& latex)
        : text_(latex)
    {
    }

    double read(double scale)
    {
        double width = 0;
        while (at_ < text_.size() && text_[at_] != u'}')
            width += next(scale);
        return width;
    }

private:
    double next(double scale)
    {
        const QChar c = text_[at_++];
        if (c == u'{') {
            const double width = read(scale);
            ++at_;  // the closing brace
            return width;
        }
        if (c == u'^' || c == u'_')
            return next(scale * 0.7);
        if (c == u' ')
            return 0;
        if (c == u'\\')
            return command(scale);
        if (c == u'-' || c == u'+' || c == u'=' || c == u'|')
            return 7.8 * scale;
        if (c == u'.' || c == u',')
            return 2.8 * scale;
        return 5.0 * scale;
    }

    double command(double scale)
    {
        QString name;
        while (at_ < text_.size() && text_[at_].isLetter())
            name += text_[at_++];
        if (name == QStringLiteral("frac") || name == QStringLiteral("tfrac")) {
            const double numerator = next(scale * 0.7);
            const double denominator = next(scale * 0.7);
            return std::max(numerator, denominator) + 2 * scale;
        }
        if (name == QStringLiteral("text") || name == QStringLiteral("mathrm"))
            return next(scale) * 0.9;
        if (name == QStringLiteral("times") || name == QStringLiteral("to"))
            return 10.0 * scale;
        if (name == QStringLiteral("leftrightarrow"))
            return 15.0 * scale;
        if (name == QStringLiteral("infty"))
            return 10.0 * scale;
        return 0;  // spacing and the like
    }

    const QString& text_;
    qsizetype at_ = 0;
};

double matrixWidth(const LatexMatrix& matrix)
{
    double width = kMatrixFrame;
    for (int column = 0; column < kColumns; ++column) {
        double widest = 0;
        for (int row = 0; row < kRows; ++row)
            widest = std::max(widest, estimatedWidth(matrix[row][column]));
        width += widest;
    }
    return width;
}

double arrowWidth(const QStringList& operations)
{
    double widest = 0;
    for (const QString& operation : operations)
        widest = std::max(widest, 0.8 * estimatedWidth(operation));
    return widest + kArrowPadding;
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
    return WidthReader(latex).read(1.0);
}

QString layOutChain(const LatexChain& chain)
{
    const double input = matrixWidth(chain.input);
    double widestStep = 0;
    double widestMatrix = input;
    double widestArrow = 0;
    for (const LatexStep& step : chain.steps) {
        widestStep = std::max(widestStep, arrowWidth(step.operations) + matrixWidth(step.matrix));
        widestMatrix = std::max(widestMatrix, matrixWidth(step.matrix));
        widestArrow = std::max(widestArrow, arrowWidth(step.operations));
    }

    // The first line holds the input and the first step; every later step
    // starts a line of its own, its arrow under the first one.
    if (input + widestStep <= kLineWidth) {
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
    const double alongside = std::max(input, widestStep);
    const double stacked = std::max(widestMatrix, widestArrow);
    const FontSize* size = nullptr;
    bool arrowsApart = false;
    for (const bool apart : {false, true}) {
        const double widest = apart ? stacked : alongside;
        for (const FontSize& candidate : kSizes)
            if (size == nullptr && widest * candidate.scale <= kLineWidth) {
                size = &candidate;
                arrowsApart = apart;
            }
    }
    const bool narrow = size == nullptr;
    if (narrow) {
        size = std::end(kSizes) - 1;
        arrowsApart = true;
    }
    // Narrower gaps save a sixth or so; beyond that the matrices break.
    const bool split = narrow && stacked * size->scale * 0.85 > kLineWidth;
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
