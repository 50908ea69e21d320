#include "rowsweep/steps/latex_layout.h"

#include <algorithm>

#include "rowsweep/steps/latex_width.h"

namespace rowsweep::steps {

namespace {

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
            widest = std::max(widest, estimatedWidth(matrix.entries[row][column]));
        width.glyphs += widest;
    }
    return width;
}

// The label is set in the script size, each operation a line.
Width arrowWidth(const QStringList& operations)
{
    double widest = 0;
    for (const QString& operation : operations)
        widest = std::max(widest, estimatedScriptWidth(operation));
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
        QString rows;
        for (int row = 0; row < kRows; ++row) {
            QStringList entries;
            for (int column = first; column < last; ++column)
                entries << matrix.entries[row][column];
            rows += entries.join(QStringLiteral(" & "));
            // Fractions in two neighbouring rows would touch at the default distance.
            if (row + 1 < kRows)
                rows += matrix.holdsFraction[row] || matrix.holdsFraction[row + 1] ? QStringLiteral(" \\\\[3pt]\n")
                                                                                   : QStringLiteral(" \\\\\n");
        }
        return rows;
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
    if (beside(input, widestStep).at(1.0) <= kLatexLineWidth) {
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
            if (size == nullptr && (apart ? stacked(candidate.scale) : alongside(candidate.scale)) <= kLatexLineWidth) {
                size = &candidate;
                arrowsApart = apart;
            }
    const bool narrow = size == nullptr;
    if (narrow) {
        size = std::end(kSizes) - 1;
        arrowsApart = true;
    }
    // Gaps of 1.5 pt instead of 5 pt; beyond that the matrices break.
    const bool split = narrow && stacked(size->scale, 0.3) > kLatexLineWidth;
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
