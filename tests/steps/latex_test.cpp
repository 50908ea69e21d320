// The pieces of the copied LaTeX: numbers, factors of row operations, the
// solution, and the width estimate that chooses the size, checked against
// what pdflatex sets.

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "cell_rows.h"
#include "pdflatex.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/latex_number.h"
#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/latex_layout.h"
#include "rowsweep/steps/latex_operation.h"
#include "rowsweep/steps/latex_width.h"
#include "rowsweep/steps/worked_latex.h"
#include "rowsweep/steps/written_stage.h"

namespace rowsweep::steps::testing {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Rational exact(const std::string& text)
{
    return parseExactCellText(text, true).value();
}

// As the worked solution writes them, from the numbers of a Solve.
template<class Number>
QString latexOf(const Number& value)
{
    return latex(latexNumber(writtenNumber(value)));
}

template<class Number>
QString latexOf(const BasicRowOperation<Number>& operation)
{
    return latexOperation(writtenOperation(operation));
}

TEST(LatexNumber, WritesTheCellsValueInMathNotation)
{
    const std::pair<double, const char*> doubles[] = {
        {-3.0, "-3"},
        {0.5, "0.5"},
        {0.0001875, "0.0001875"},
        {1.5e-16, "1.5 \\times 10^{-16}"},
        {-1e-5, "-1 \\times 10^{-5}"},
        {3e20, "3 \\times 10^{20}"},
        {kInfinity, "\\infty"},
        {-kInfinity, "-\\infty"},
        {std::nan(""), "\\mathrm{NaN}"},
    };
    for (const auto& [value, latex] : doubles)
        EXPECT_EQ(latexOf(value), QString::fromLatin1(latex)) << value;
    const std::pair<const char*, const char*> fractions[] = {
        {"-7/4", "-\\frac{7}{4}"},
        {"123/1000000", "\\frac{123}{1000000}"},
        {"-1000000000000000000000000000000", "-1 \\times 10^{30}"},
        {"1/1000000000000000000000000000000", "1 \\times 10^{-30}"},
        {"1/3000001", "3.33333222222259 \\times 10^{-7}"},
    };
    for (const auto& [value, latex] : fractions)
        EXPECT_EQ(latexOf(exact(value)), QString::fromLatin1(latex)) << value;
}

// A negative multiple is added and a negative whole divisor subtracts its
// quotient; a factor with a power of ten or a sign inside the operation is
// parenthesised, also where it scales a row by itself.
TEST(LatexOperation, WritesFactorsWithTheirSignsAndPowersOfTen)
{
    using Kind = RowOperationKind;
    const std::pair<RowOperation, const char*> doubles[] = {
        {{Kind::Exchange, 0, 2, 0.0}, "R_1 \\leftrightarrow R_3"},
        {{Kind::Divide, 1, 1, -1.0}, "R_2 \\to -R_2"},
        {{Kind::Divide, 0, 0, 4.0}, "R_1 \\to \\tfrac{1}{4} R_1"},
        {{Kind::Divide, 0, 0, 2e-7}, "R_1 \\to R_1 / (2 \\times 10^{-7})"},
        {{Kind::Divide, 1, 1, -kInfinity}, "R_2 \\to R_2 / (-\\infty)"},
        {{Kind::SubtractMultiple, 2, 0, 3.0}, "R_3 \\to R_3 - 3 R_1"},
        {{Kind::SubtractMultiple, 2, 0, -1.0}, "R_3 \\to R_3 + R_1"},
        {{Kind::SubtractMultiple, 0, 1, -1.5e300}, "R_1 \\to R_1 + (1.5 \\times 10^{300}) R_2"},
        {{Kind::AddQuotient, 1, 2, -4.0}, "R_2 \\to R_2 - \\tfrac{1}{4} R_3"},
        {{Kind::AddQuotient, 1, 2, -0.5}, "R_2 \\to R_2 + R_3 / (-0.5)"},
        {{Kind::AddQuotient, 1, 2, 1.0}, "R_2 \\to R_2 + R_3"},
        {{Kind::SubtractMultiple, 2, 1, 0.3, 1}, "R_3 \\to R_3 - 0.3 R_2\\text{ from column 2 on}"},
    };
    for (const auto& [operation, latex] : doubles)
        EXPECT_EQ(latexOf(operation), QString::fromLatin1(latex)) << latex;
    const std::pair<ExactRowOperation, const char*> fractions[] = {
        {{Kind::Divide, 1, 1, exact("-40/3")}, "R_2 \\to -\\tfrac{3}{40} R_2"},
        {{Kind::Divide, 2, 2, exact("-1/1000000000000000000000000000000")},
         "R_3 \\to (-1 \\times 10^{30}) R_3"},
        {{Kind::Divide, 2, 2, exact("1/1000000000000000000000000000000")}, "R_3 \\to (1 \\times 10^{30}) R_3"},
        {{Kind::SubtractMultiple, 0, 1, exact("-3/2")}, "R_1 \\to R_1 + \\tfrac{3}{2} R_2"},
        {{Kind::AddQuotient, 1, 2, exact("-4")}, "R_2 \\to R_2 - \\tfrac{1}{4} R_3"},
        {{Kind::AddQuotient, 1, 2, exact("-1/1000000000000000000000000000000")},
         "R_2 \\to R_2 - (1 \\times 10^{30}) R_3"},
        {{Kind::AddQuotient, 1, 2, exact("2/3")}, "R_2 \\to R_2 + \\tfrac{3}{2} R_3"},
        // Where only a rounded decimal would write the reciprocal, the row is divided.
        {{Kind::Divide, 2, 2, exact("-1833334/166665")}, "R_3 \\to R_3 / (-\\frac{1833334}{166665})"},
        {{Kind::Divide, 0, 0, exact("3000000")}, "R_1 \\to R_1 / 3000000"},
        {{Kind::AddQuotient, 1, 2, exact("1000001")}, "R_2 \\to R_2 + R_3 / 1000001"},
    };
    for (const auto& [operation, latex] : fractions)
        EXPECT_EQ(latexOf(operation), QString::fromLatin1(latex)) << latex;
}

struct SolutionLatexCase {
    const char* name;
    Rows input;
    const char* latex;  // between \[ and \]
};

// The numbers of the solution keep their sign, fraction and power of ten;
// a line too long for the page goes on with a term a line.
TEST(SolutionLatex, WritesTheSolutionsNumbersAsDisplayMath)
{
    const SolutionLatexCase cases[] = {
        {"sample", rowsweep::testing::kSampleInput,
         "\\begin{aligned}\nx_1 &= -1 + 17 x_3 - 2 x_4 + 28 x_5 \\\\\nx_2 &= -1 + 10 x_3 - x_4 + 16 x_5 \\\\\n"
         "& x_3, x_4, x_5 \\text{ free}\n\\end{aligned}"},
        {"signs, fractions and powers of ten",
         {{{"2", "0", "3", "0", "-2", "-1"}, {"0", "1", "0", "-0.25", "0", "3e20"}, {"0", "0", "0", "0", "0", "0"}}},
         "\\begin{aligned}\nx_1 &= -\\tfrac{1}{2} - \\tfrac{3}{2} x_3 + x_5 \\\\\nx_2 &= 3 \\times 10^{20} + \\tfrac{1}{4} x_4 \\\\\n"
         "& x_3, x_4, x_5 \\text{ free}\n\\end{aligned}"},
        {"too long for the line",
         {{{"1", "0", "1.23456789012345e20", "-2.3456789012345e-20", "3.45678901234567e20", "4.56789012345678e-20"},
           {"0", "1", "0", "0", "0", "0"},
           {"0", "0", "0", "0", "0", "0"}}},
         "\\begin{aligned}\nx_1 &= 4.56789012345678 \\times 10^{-20} \\\\\n&\\qquad  - 1.23456789012345 \\times 10^{20} x_3 \\\\\n"
         "&\\qquad  + 2.3456789012345 \\times 10^{-20} x_4 \\\\\n&\\qquad  - 3.45678901234567 \\times 10^{20} x_5 \\\\\n"
         "x_2 &= 0 \\\\\n& x_3, x_4, x_5 \\text{ free}\n\\end{aligned}"},
        {"contradiction", {{{"1", "2", "0", "0", "1", "1"}, {"0", "1", "1", "0", "0", "2"}, {"1", "3", "1", "0", "1", "8"}}},
         "\\text{No solution: row 3 reads } 0 = 1"},
        {"0 = 1 without unknowns", {{{"", "", "", "", "", ""}, {"", "", "", "", "", "-4"}, {"", "", "", "", "", ""}}},
         "\\text{No solution: row 1 reads } 0 = 1"},
        {"nothing to solve", {{{"", "", "", "", "", "0"}, {"", "", "", "", "", ""}, {"", "", "", "", "", "0"}}},
         "\\text{Nothing to solve: every coefficient column is empty}"},
    };
    for (const SolutionLatexCase& c : cases)
        EXPECT_EQ(solutionLatex(solveRows(c.input).verdict),
                  QStringLiteral("\\[\n") + QString::fromLatin1(c.latex) + QStringLiteral("\n\\]\n"))
            << c.name;
}

// Pieces of the LaTeX of random matrices and operations: the estimate
// never falls short of what pdflatex sets, nor goes far beyond it (a
// layout chosen from a loose estimate is set smaller than it need be).
TEST(EstimatedWidth, IsNeverBelowWhatPdflatexSets)
{
    std::mt19937 random(20261208);
    const auto digits = [&random](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('1' + random() % 9);
        return text;
    };
    QStringList pieces;
    for (int i = 0; i < 40; ++i) {
        const double value = (random() % 2 == 0 ? -1 : 1) * std::stod(digits(1 + static_cast<int>(random() % 15)))
                             * std::pow(10.0, static_cast<int>(random() % 60) - 30);
        const Rational fraction = exact(digits(1 + static_cast<int>(random() % 14)) + '/' + digits(1 + static_cast<int>(random() % 6)));
        pieces << latexOf(value) << latexOf(-fraction)
               << latexOf(RowOperation{static_cast<RowOperationKind>(random() % 4), static_cast<int>(random() % 3),
                                              static_cast<int>(random() % 3), value, static_cast<int>(random() % 2)})
               << latexOf(ExactRowOperation{static_cast<RowOperationKind>(random() % 4), 0, 2, fraction});
    }
    pieces << latexOf(kInfinity) << latexOf(std::nan("")) << QStringLiteral("x_1 = \\tfrac{3}{2} x_3 \\text{ free}");

    QString body;
    for (qsizetype i = 0; i < pieces.size(); ++i)
        body += QStringLiteral("\\setbox0\\hbox{$%1$}\\typeout{width %2: \\the\\wd0}\n").arg(pieces[i]).arg(i);
    const QString log = pdflatexLog(body + QStringLiteral("Measured.\n"));
    ASSERT_FALSE(log.isEmpty());
    static const QRegularExpression set(QStringLiteral("width (\\d+): ([0-9.]+)pt"));
    int read = 0;
    for (auto match = set.globalMatch(log); match.hasNext(); ++read) {
        const auto found = match.next();
        const QString& piece = pieces[found.captured(1).toInt()];
        const double width = found.captured(2).toDouble();
        const double estimate = estimatedWidth(piece);
        EXPECT_GE(estimate, width - 0.01) << piece.toStdString();
        EXPECT_LE(estimate, width * 1.1 + 3) << piece.toStdString();
    }
    EXPECT_EQ(read, pieces.size());
}

}  // namespace
}  // namespace rowsweep::steps::testing
