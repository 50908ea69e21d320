// The worked solution as a student takes it away: plain text and LaTeX,
// compared with texts worked by hand, and the LaTeX compiled.

#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "cell_rows.h"
#include "pdflatex.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/worked_latex.h"
#include "rowsweep/steps/worked_outline.h"

namespace rowsweep::steps::testing {
namespace {

QString expectedText(const char* name)
{
    QFile file(QStringLiteral(ROWSWEEP_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(no file)");
}

// Nothing of the compiled fragment runs off the page (no box more than
// 1 pt too wide).
void expectCompilesWithinThePage(const QString& latex)
{
    const QString log = pdflatexLog(latex);
    ASSERT_FALSE(log.isEmpty());
    static const QRegularExpression overfull(QStringLiteral("Overfull \\\\hbox \\(([0-9.]+)pt too wide\\)"));
    for (auto match = overfull.globalMatch(log); match.hasNext();) {
        const double tooWide = match.next().captured(1).toDouble();
        EXPECT_TRUE(tooWide <= 1.0) << "a box " << tooWide << " pt too wide in\n" << latex.toStdString();
    }
}

// Every stage holds values that need all 15 digits, or fractions.
constexpr Rows kThirdsAndSevenths{
    {{"3", "7", "1", "2", "5", "1"}, {"7", "3", "2", "1", "4", "2"}, {"1", "21", "3", "7", "1", "3"}}};

struct StepsCase {
    std::string name;
    Rows input;
    const char* expectedText;   // null: not compared
    const char* expectedLatex;  // null: only compiled
    Arithmetic arithmetic = Arithmetic::FloatingPoint;

    friend void PrintTo(const StepsCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<StepsCase> stepsCases()
{
    std::vector<StepsCase> cases{
        {"SampleWithText", rowsweep::testing::kSampleInput, "sample_steps.txt", "sample_steps.tex"},
        {"RowExchangeWithText",
         {{{"0", "0", "1", "0", "0", "1"}, {"0", "abc", "2", "0", "0", "2"}, {"3", "0", "0", "0", "0", "3"}}},
         "exchange_steps.txt", nullptr},
        // 1/1e-300 overflows, and clearing with an infinite factor leaves NaN.
        {"InfinityAndNaN",
         {{{"1e-300", "1e300", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1", "1"}, {"0", "1", "0", "0", "0", "0"}}},
         nullptr, "infinity_nan.tex"},
        // Columns 4 and 5 empty; the exact continuation starts from an
        // Answer that the six stages left with -1 in row 3.
        {"TextbookWithText",
         {{{"2", "1", "-1", "", "", "8"}, {"-3", "-1", "2", "", "", "-11"}, {"-2", "1", "2", "", "", "-3"}}},
         "textbook_steps.txt", "textbook_steps.tex"},
        {"Exponents", {{{"2e-7", "0", "0", "0", "0", "3e20"}, {"0", "1e-5", "0", "0", "0", "1"}, {"", "", "", "", "", ""}}},
         nullptr, "exponents.tex"},
        {"ThirdsAndSevenths", kThirdsAndSevenths, nullptr, nullptr},
        // Powers of ten that overflow, vanish or stay: every line must fit.
        {"PowersOfTen",
         {{{"1e999999999", "1e300", "1", "2", "3", "4"}, {"1", "1e-300", "1", "1", "1", "1"},
           {"2", "1", "1e-400", "1", "1", "1"}}},
         nullptr, nullptr},
        {"HugeRows",
         {{{"1e300", "2e300", "3e300", "1", "1", "1"}, {"2e300", "1e300", "1", "1", "1", "2"},
           {"1", "1", "1", "1", "1", "1"}}},
         nullptr, nullptr},
        {"ThirdsAndSeventhsAsFractions", kThirdsAndSevenths, "thirds_sevenths_exact.txt", "thirds_sevenths_exact.tex",
         Arithmetic::Exact},
    };
    // Every other case in exact arithmetic too, only compiled.
    const std::size_t floating = cases.size();
    for (const rowsweep::testing::WorkedExample& example : rowsweep::testing::kWorkedExamples)
        cases.push_back({example.name, example.input, nullptr, nullptr});
    for (std::size_t i = 0; i < floating + std::size(rowsweep::testing::kWorkedExamples); ++i)
        if (cases[i].arithmetic == Arithmetic::FloatingPoint)
            cases.push_back({cases[i].name + "Exactly", cases[i].input, nullptr, nullptr, Arithmetic::Exact});
    return cases;
}

class StepsTest : public ::testing::TestWithParam<StepsCase> {};

TEST_P(StepsTest, TextAndLatexShowTheWorkAndTheLatexCompiles)
{
    const StepsCase& example = GetParam();
    const WorkedSolution solution = solveRows(example.input, example.arithmetic);
    if (example.expectedText != nullptr) {
        EXPECT_EQ(workedSolutionText(solution), expectedText(example.expectedText));
    }
    const QString latex = workedSolutionLatex(solution);
    if (example.expectedLatex != nullptr) {
        EXPECT_EQ(latex, expectedText(example.expectedLatex));
    }
    expectCompilesWithinThePage(latex);
}

INSTANTIATE_TEST_SUITE_P(Examples, StepsTest, ::testing::ValuesIn(stepsCases()),
                         [](const auto& param) { return param.param.name; });

// The notes below the input name each cell that counted as 0 with its text
// and the reason its mark gives; an empty or blank cell is simply 0, and a
// long text keeps its start and its end.
TEST(WorkedSolutionText, NamesEachCellThatCountedAs0WithItsReason)
{
    Rows input = rowsweep::testing::kSampleInput;
    input[0][1] = "";
    input[1][2] = "  ";
    input[1][3] = "%1/3";
    input[2][4] = "4,5";
    input[2][5] = "1e999999999";
    const std::string digits = "123456789" + std::string(50, '0') + "1e-400";
    input[0][0] = digits.c_str();
    input[0][5] = "1/3";
    EXPECT_EQ(workedOutline(solveRows(input)).inputNotes,
              (QStringList{
                  QStringLiteral("Row 1, column 1: \"123456789000000000000000…0000000001e-400\" is not read in floating "
                                 "point, counted as 0"),
                  QStringLiteral("Row 1, column 6: \"1/3\" is not read in floating point, counted as 0"),
                  QStringLiteral("Row 2, column 4: \"%1/3\" is not a number, counted as 0"),
                  QStringLiteral("Row 3, column 5: \"4,5\" is not a number, counted as 0"),
                  QStringLiteral("Row 3, column 6: \"1e999999999\" is too large for Exact Fractions, counted as 0"),
              }));
    EXPECT_EQ(workedOutline(solveRows(input, Arithmetic::Exact)).inputNotes.size(), 3);
}

// A tab or line break inside a cell would split it in the copy.
TEST(GridCopyText, WritesTabSeparatedLinesWithoutBreakingACell)
{
    std::array<std::array<QString, kColumns>, kRows> texts;
    texts[0] = {"1", "-2", "", "a\tb", "x\ny", "1"};
    texts[1].fill(QStringLiteral("0"));
    texts[2] = {"", "", "", "", "", ""};
    EXPECT_EQ(gridCopyText(texts), QStringLiteral("1\t-2\t\ta b\tx y\t1\n0\t0\t0\t0\t0\t0\n\t\t\t\t\t\n"));
}

}  // namespace
}  // namespace rowsweep::steps::testing
