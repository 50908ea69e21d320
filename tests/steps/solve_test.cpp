// What a Solve works out from the input texts in each arithmetic: what
// counts as 0, when the warning is due, and the hint when it comes from
// rounding alone.

#include <gtest/gtest.h>

#include "cell_rows.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning_hint.h"
#include "rowsweep/steps/worked_latex.h"

namespace rowsweep::steps::testing {
namespace {

// Row 3 is row 1 plus row 2, so exactly it reduces to zero; in doubles a
// residue is left in it.
constexpr Rows kDependent{{{"3", "1", "4", "1", "5", "9"}, {"2", "6", "5", "3", "5", "8"}, {"5", "7", "9", "4", "10", "17"}}};
// Rank 3: the third row of the answer holds x3 .. x5, yet there are solutions.
constexpr Rows kRankThree{{{"1", "0", "0", "0", "0", "1"}, {"0", "1", "0", "0", "0", "2"}, {"0", "0", "1", "0", "0", "3"}}};
// Row 3 reads 0 = 5 once rows 1 and 2 are taken from it.
constexpr Rows kContradiction{{{"1", "2", "0", "0", "1", "1"}, {"0", "1", "1", "0", "0", "2"}, {"1", "3", "1", "0", "1", "8"}}};

struct WarningCase {
    const char* name;
    Rows input;
    Arithmetic arithmetic;
    bool warned;
    bool fromRounding;
    const char* verdict;
};

// In floating point the box follows row 3 of the answer as written; in
// Exact Fractions it is shown exactly when the system has no solution.
TEST(SolveCells, WarnsByEachArithmeticsRule)
{
    const WarningCase cases[] = {
        {"dependent, floating", kDependent, Arithmetic::FloatingPoint, true, true,
         "Infinitely many solutions: x3, x4, x5 free"},
        {"dependent, exact", kDependent, Arithmetic::Exact, false, false, "Infinitely many solutions: x3, x4, x5 free"},
        {"rank 3, floating", kRankThree, Arithmetic::FloatingPoint, true, false,
         "Infinitely many solutions: x4, x5 free"},
        {"rank 3, exact", kRankThree, Arithmetic::Exact, false, false, "Infinitely many solutions: x4, x5 free"},
        {"contradiction, floating", kContradiction, Arithmetic::FloatingPoint, true, false,
         "No solution: the equations contradict each other"},
        {"contradiction, exact", kContradiction, Arithmetic::Exact, true, false,
         "No solution: the equations contradict each other"},
    };
    for (const WarningCase& c : cases) {
        const WorkedSolution solution = solveRows(c.input, c.arithmetic);
        EXPECT_EQ(solution.warned, c.warned) << c.name;
        EXPECT_EQ(solution.warningFromRounding, c.fromRounding) << c.name;
        EXPECT_EQ(verdictLine(solution.verdict), QString::fromUtf8(c.verdict)) << c.name;
        EXPECT_EQ(solution.arithmetic, c.arithmetic) << c.name;
    }
}

// Row 1 divided by 1e-10 overflows, and row 3 ends as NaN in floating
// point; exactly, stage 6 clears it to zero.
constexpr Rows kBeyondRange{{{"1e-10", "1e300", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "0"},
                             {"1", "1e300", "0", "0", "0", "0"}}};

// The answer's last line says why a warning misleads, and only when it does.
TEST(SolveCells, AMisleadingWarningIsExplainedByWhatLeftTheResidue)
{
    struct Case {
        const char* name;
        Rows input;
        Arithmetic arithmetic;
        QString hint;
    };
    const Case cases[] = {
        {"residue of rounding", kDependent, Arithmetic::FloatingPoint, roundingHint()},
        {"beyond the range", kBeyondRange, Arithmetic::FloatingPoint, rangeHint()},
        {"beyond the range, exact", kBeyondRange, Arithmetic::Exact, {}},
        {"a real contradiction", kContradiction, Arithmetic::FloatingPoint, {}},
    };
    for (const Case& c : cases) {
        const WorkedSolution solution = solveRows(c.input, c.arithmetic);
        EXPECT_EQ(misleadingWarningHint(solution), c.hint) << c.name;
        const QStringList answer = explainStage(solution, kStageCount - 1);
        EXPECT_EQ(answer.contains(roundingHint()) || answer.contains(rangeHint()), !c.hint.isEmpty()) << c.name;
        if (!c.hint.isEmpty()) {
            EXPECT_EQ(answer.back(), c.hint) << c.name;
        }
    }
    EXPECT_TRUE(rangeHint().contains(QStringLiteral("beyond the range of floating point")));
    EXPECT_TRUE(rangeHint().contains(QStringLiteral("Exact Fractions")));
}

TEST(SolveCells, TheDependentSystemEndsWithZerosExactlyAndAHintInFloatingPoint)
{
    const WorkedSolution exact = solveRows(kDependent, Arithmetic::Exact);
    const CellTexts answer = stageTexts(exact, kStageCount - 1);
    for (const QString& text : answer[2])
        EXPECT_EQ(text, QStringLiteral("0"));
    EXPECT_FALSE(explainStage(exact, kStageCount - 1).contains(roundingHint()));

    const WorkedSolution floating = solveRows(kDependent);
    EXPECT_NE(stageTexts(floating, kStageCount - 1)[2][3], QStringLiteral("0")) << "a residue is left";
    EXPECT_EQ(explainStage(floating, kStageCount - 1).back(), roundingHint());
}

// "0.1" is exactly 1/10 in Exact Fractions; a fraction reads only there,
// and in floating point it is listed as not a number all the same.
TEST(SolveCells, ReadsEachCellAsItsArithmeticReadsIt)
{
    Rows input = rowsweep::testing::worked::kZeros;
    input[0][0] = "0.1";
    input[0][5] = "1/3";
    input[1][1] = "  ";
    input[2][2] = "abc";

    const WorkedSolution exact = solveRows(input, Arithmetic::Exact);
    const CellTexts exactInput = inputTexts(exact);
    EXPECT_EQ(exactInput[0][0], QStringLiteral("1/10"));
    EXPECT_EQ(exactInput[0][5], QStringLiteral("1/3"));
    EXPECT_FALSE(exact.unreadable[0][5]);
    EXPECT_TRUE(exact.unreadable[2][2]);
    EXPECT_FALSE(exact.unreadable[1][1]) << "blank is 0 without a mark";

    const WorkedSolution floating = solveRows(input);
    EXPECT_EQ(inputTexts(floating)[0][5], QStringLiteral("0"));
    EXPECT_TRUE(floating.unreadable[0][5]);
    EXPECT_TRUE(floating.fractionsLeftUnread[0][5]);
    EXPECT_FALSE(floating.fractionsLeftUnread[2][2]);
    // The verdict reads the decimals exactly but leaves the fraction out, as
    // the reduction did: 1/10 x1 = 0.
    EXPECT_EQ(solutionLines(floating.verdict).front(), QStringLiteral("x1 = 0"));
}

TEST(ExplainStage, WritesExactFactorsAsFractions)
{
    const Rows input{{{"3", "1", "0", "0", "0", "1"}, {"4/3", "-1", "0", "0", "0", "0"}, {"0", "0", "1", "0", "0", "0"}}};
    const WorkedSolution solution = solveRows(input, Arithmetic::Exact);
    EXPECT_EQ(explainStage(solution, 0), QStringList{QStringLiteral("Divide row 1 by 3")});
    EXPECT_EQ(explainStage(solution, 1), QStringList{QStringLiteral("Subtract 4/3 × row 1 from row 2")});
    EXPECT_EQ(explainStage(solution, 3), QStringList{QStringLiteral("Add 3/13 × row 2 to row 1")});
    EXPECT_EQ(explainStage(solution, 4), QStringList{QStringLiteral("Divide row 2 by -13/9")});
}

}  // namespace
}  // namespace rowsweep::steps::testing
