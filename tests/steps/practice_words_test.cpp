#include "rowsweep/steps/practice_words.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "pdflatex.h"
#include "qstring_printer.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/practice_outline.h"

namespace rowsweep::steps {
namespace {

// What the practice says to a line: the operation taken, in the notation
// the history keeps, or the sentence that refuses it.
QString answerTo(const std::string& line)
{
    const auto read = readOperation(line);
    if (const auto* operation = std::get_if<PracticeOperation>(&read))
        return operationNotation(*operation);
    return refusalSentence(std::get<OperationRefusal>(read));
}

TEST(PracticeWords, ReadsTheTextbookNotationAndSaysWhyALineIsRefused)
{
    const QString notAnOperation = "Write an operation such as R2 -> R2 - 4R1, R1 <-> R3 or R3 -> 1/2 R3";
    const QString oneRow = "Change one row at a time: Ri -> Ri + c Rk, Ri -> c Ri or Ri <-> Rk";
    const QString exchange = "R1 \u2194 R3";
    const std::vector<std::pair<std::string, QString>> table{
        {"R1 <-> R3", exchange},
        {"r1\u2194r3", exchange},
        {"R3 -> -1/2 R3", "R3 \u2192 (\u22121/2)R3"},
        {"R3 \u2192 (2/3)R3", "R3 \u2192 (2/3)R3"},
        {"R3 -> R3 / 2", "R3 \u2192 (1/2)R3"},
        {"-1/2 R3", "R3 \u2192 (\u22121/2)R3"},
        {"R3 / 2", "R3 \u2192 (1/2)R3"},
        {"R3 -> 2*R3", "R3 \u2192 2R3"},
        {"R3 -> \u2212R3", "R3 \u2192 \u2212R3"},
        {"R3->(-1.25)R3", "R3 \u2192 (\u22125/4)R3"},
        {"R3 -> -(4/2) R3", "R3 \u2192 \u22122R3"},
        {"R2 -> R2 - 4R1", "R2 \u2192 R2 \u2212 4R1"},
        {"R2\u2192R2\u22124R1", "R2 \u2192 R2 \u2212 4R1"},
        {" R2 ->R2 - 4 * R1 ", "R2 \u2192 R2 \u2212 4R1"},
        {"R2 -> R2 + 1/3 R3", "R2 \u2192 R2 + (1/3)R3"},
        {"R2 -> R2 - R1", "R2 \u2192 R2 \u2212 R1"},
        {"R2 -> -4R1 + R2", "R2 \u2192 R2 \u2212 4R1"},
        {"R2 - 4R1", "R2 \u2192 R2 \u2212 4R1"},
        {"R1 -> R1 + R3/3", "R1 \u2192 R1 + (1/3)R3"},
        {"R2 -> R2 + (\u22122/6)R1", "R2 \u2192 R2 \u2212 (1/3)R1"},
        {"R1 <-> R3" + std::string(191, ' '), exchange},
        {"R1 <-> R3" + std::string(192, ' '), notAnOperation},
        {"", notAnOperation},
        {"swap", notAnOperation},
        {"R2 -> R2 - 4", notAnOperation},
        {"R2 -> R2 -- R1", notAnOperation},
        {"R3 -> R3 / 0", notAnOperation},
        {"R1 <-> R3 <-> R2", notAnOperation},
        {"R4 -> R4 + R1", "There is no row 4: the matrix has rows 1 to 3"},
        {"R0 <-> R1", "There is no row 0: the matrix has rows 1 to 3"},
        {"R3 -> 0R3", "Multiplying a row by 0 is not a row operation: the equation would be lost"},
        {"R2 -> R2 + 3R2", oneRow},
        {"R2 -> R1 - 4R2", oneRow},
        {"R2 -> 2R2 + R1", oneRow},
        {"R2 -> R2 + R1 + R3", oneRow},
        {"R2 -> 4R1", oneRow},
        {"-4R1 + R2", oneRow},
        {"R2 <-> R2", "Exchanging row 2 with itself changes nothing"},
    };
    for (const auto& [line, expected] : table)
        EXPECT_EQ(answerTo(line), expected) << line;
}

using P = Progress;

TEST(PracticeWords, SaysWhereAStepLed)
{
    struct Case {
        Progress before, after;
        QString feedback;
    };
    const std::vector<Case> cases{
        {P{0, {}}, P{0, {}}, "A legal step; no column is done yet"},
        {P{1, {true}}, P{1, {true}}, "A legal step; columns 1 to 1 stay done"},
        {P{1, {true}}, P{2, {true, true}}, "Column 2 is done: its pivot is 1 and every other entry is 0"},
        {P{0, {}}, P{1, {}}, "Column 1 is done: every entry is 0"},
        {P{2, {true, true}}, P{3, {true, true}},
         "Column 3 is done: it takes no pivot, and below row 2 every entry is 0"},
        {P{1, {true}}, P{4, {true, true}}, "Columns 2 to 4 are done"},
        {P{2, {true, true}}, P{1, {true}}, "This step undid column 2, which was already done"},
        {P{3, {true, true, true}}, P{0, {}}, "This step undid columns 1 to 3, which were already done"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(stepFeedback(test.before, test.after), test.feedback);

    const ExactMatrix reduced{{{1, 0, 0, 0, 0, 2}, {0, 1, 0, 0, 0, 3}, {0, 0, 1, 0, 0, -1}}};
    const Verdict verdict = readVerdict(continueToReducedForm(reduced), {true, true, true, false, false});
    EXPECT_EQ(progressLine(P{0, {}}, {}, verdict), "Columns done: none of 6");
    EXPECT_EQ(progressLine(P{2, {true, true}}, {}, verdict), "Columns done: 1 to 2 of 6");
    EXPECT_EQ(progressLine(progressOf(reduced), {1, 4}, verdict),
              "Reduced row echelon form reached in 1 operation (the Gauss\u2013Jordan way from the start takes 4)\n"
              "One solution: x1 = 2, x2 = 3, x3 = -1");
    EXPECT_EQ(progressLine(progressOf(reduced), {5, 4}, verdict).section(u'\n', 0, 0),
              "Reduced row echelon form reached in 5 operations (the Gauss\u2013Jordan way from the start takes 4)");
}

TEST(PracticeWords, HintsTheOperationAndSaysItInWords)
{
    using Kind = PracticeOperation::Kind;
    const std::vector<std::pair<std::optional<PracticeOperation>, QString>> table{
        {PracticeOperation{Kind::AddMultiple, 1, 0, -4}, "Next: R2 \u2192 R2 \u2212 4R1 (subtract 4 \u00d7 row 1 from row 2)"},
        {PracticeOperation{Kind::AddMultiple, 0, 2, Rational(3, 4)},
         "Next: R1 \u2192 R1 + (3/4)R3 (add 3/4 \u00d7 row 3 to row 1)"},
        {PracticeOperation{Kind::AddMultiple, 2, 1, -1}, "Next: R3 \u2192 R3 \u2212 R2 (subtract row 2 from row 3)"},
        {PracticeOperation{Kind::AddMultiple, 2, 1, 1}, "Next: R3 \u2192 R3 + R2 (add row 2 to row 3)"},
        {PracticeOperation{Kind::Exchange, 1, 2, 1}, "Next: R2 \u2194 R3 (exchange rows 2 and 3)"},
        {PracticeOperation{Kind::Multiply, 2, 2, Rational(-1, 2)}, "Next: R3 \u2192 (\u22121/2)R3 (divide row 3 by -2)"},
        {PracticeOperation{Kind::Multiply, 0, 0, Rational(5, 11)}, "Next: R1 \u2192 (5/11)R1 (multiply row 1 by 5/11)"},
        {std::nullopt, "Nothing left to do: this is the reduced row echelon form"},
    };
    for (const auto& [next, expected] : table)
        EXPECT_EQ(hintLine(next), expected);
}

// The sample's practice, handed in as text and LaTeX (the PDF is written
// from the same outline as a Solve's), up to the reduced form and its verdict.
TEST(PracticeWords, HandsInTheStartEachOperationAndTheVerdict)
{
    using Kind = PracticeOperation::Kind;
    PracticeState state;
    state.start = {{{1, -2, 3, 0, 4, 1}, {4, -7, 2, 1, 0, 3}, {3, -5, -1, 1, -4, 2}}};
    state.inUse = kAllUnknowns;
    state.exercise = 4711;
    state.operations = {{Kind::AddMultiple, 1, 0, -4}, {Kind::Exchange, 1, 2, 1},
                        {Kind::AddMultiple, 1, 0, -3}, {Kind::Multiply, 2, 2, Rational(-1, 2)},
                        {Kind::AddMultiple, 2, 1, Rational(1, 2)}, {Kind::AddMultiple, 0, 1, 2}};
    const QString text = outlineText(practiceOutline(state));
    EXPECT_TRUE(text.startsWith("Exercise 4711\n1  -2   3  0   4  |  1\n4  -7   2  1   0  |  3\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\n\nOperation 4\nR3 \u2192 (\u22121/2)R3\n")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\n\nSolution\nInfinitely many solutions: x3, x4, x5 free\nx1 = -1 + 17 x3 - 2 x4 + 28 x5\n"
                              "x2 = -1 + 10 x3 - x4 + 16 x5\nx3, x4, x5 free\n"))
        << text.toStdString();
    state.operations.pop_back();
    EXPECT_FALSE(outlineText(practiceOutline(state)).contains("Solution")) << "no verdict before the reduced form";

    const QString latex = practiceLatex(state);
    for (const char* arrow : {"R_2 \\to R_2 - 4 R_1", "R_2 \\leftrightarrow R_3", "R_3 \\to -\\tfrac{1}{2} R_3",
                              "R_3 \\to R_3 + \\tfrac{1}{2} R_2"})
        EXPECT_TRUE(latex.contains(QString::fromUtf8(arrow))) << arrow << '\n' << latex.toStdString();
    EXPECT_FALSE(testing::pdflatexLog(latex).isEmpty());
}

}  // namespace
}  // namespace rowsweep::steps
