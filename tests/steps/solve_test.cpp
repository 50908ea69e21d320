// What a Solve works out from the input texts in each arithmetic: what
// counts as 0, when the warning is due, and the hint when it comes from
// rounding alone.

#include <gtest/gtest.h>

#include "cell_rows.h"
#include "rowsweep/steps/cell_reading.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/reduced_form_steps.h"
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
// Floating point reads row 3 as 0 = 1; exactly, it is the only pivot row.
constexpr Rows kTypedBeyondRange{{{"", "", "", "", "", ""}, {"", "", "", "", "", ""}, {"1e-400", "", "", "", "", "1"}}};

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
        {"typed beyond the range", kTypedBeyondRange, Arithmetic::FloatingPoint, readingHint()},
        {"typed beyond the range, exact", kTypedBeyondRange, Arithmetic::Exact, {}},
        {"a real contradiction", kContradiction, Arithmetic::FloatingPoint, {}},
    };
    for (const Case& c : cases) {
        const WorkedSolution solution = solveRows(c.input, c.arithmetic);
        EXPECT_EQ(misleadingWarningHint(solution), c.hint) << c.name;
        const QStringList answer = explainStage(solution, kStageCount - 1);
        EXPECT_EQ(answer.contains(roundingHint()) || answer.contains(rangeHint()) || answer.contains(readingHint()),
                  !c.hint.isEmpty())
            << c.name;
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

// Each cell as its arithmetic reads it, and why one that is not blank
// counted as 0: floating point reads by the platform's doubles, Exact
// Fractions every number up to its bound of digits.
TEST(SolveCells, CountsACellAs0OnlyWithItsReason)
{
    constexpr Arithmetic kFloating = Arithmetic::FloatingPoint;
    constexpr Arithmetic kExact = Arithmetic::Exact;
    const struct {
        const char* text;
        Arithmetic arithmetic;
        Unread unread;
        const char* asRead;
    } cases[] = {
        {"0.1", kExact, Unread::No, "1/10"},
        {"1/3", kExact, Unread::No, "1/3"},
        {"  ", kExact, Unread::No, "0"},
        {"abc", kExact, Unread::NotANumber, "0"},
        {"1/0", kExact, Unread::NotANumber, "0"},
        {"1e-400", kExact, Unread::No, "1e-400"},
        {"-1e400", kExact, Unread::No, "-1e+400"},
        {"1e999999999", kExact, Unread::TooLongForExact, "0"},
        {"1/1e-999999999", kExact, Unread::TooLongForExact, "0"},
        {"0.1", kFloating, Unread::No, "0.1"},
        {"5e-324", kFloating, Unread::No, "4.94065645841247e-324"},
        {"-0e-999999999", kFloating, Unread::No, "0"},
        {"1/3", kFloating, Unread::NotInFloatingPoint, "0"},
        {"1e-400", kFloating, Unread::NotInFloatingPoint, "0"},
        {"-1e400", kFloating, Unread::NotInFloatingPoint, "0"},
        {"1e-999999999", kFloating, Unread::TooLongForExact, "0"},
        {"l.5", kFloating, Unread::NotANumber, "0"},
        {"\t", kFloating, Unread::No, "0"},
    };
    for (const auto& c : cases) {
        Rows input = rowsweep::testing::worked::kZeros;
        input[1][2] = c.text;
        const WorkedSolution solution = solveRows(input, c.arithmetic);
        EXPECT_EQ(solution.unread[1][2].why, c.unread) << c.text;
        EXPECT_EQ(solution.unread[1][2].text, c.unread == Unread::No ? QString() : QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(inputTexts(solution)[1][2], QString::fromUtf8(c.asRead)) << c.text;
    }
}

// The verdict reads every typed value exactly, in floating point too,
// where the stages count a value beyond the range of doubles as 0.
TEST(SolveCells, TheVerdictReadsValuesBeyondTheRangeOfDoubles)
{
    const Rows tiny{{{"1e-400", "", "", "", "", "1"}, {"", "", "", "", "", ""}, {"", "", "", "", "", ""}}};
    const Rows huge{{{"1e400", "1", "", "", "", "1"}, {"1", "1", "", "", "", "2"}, {"", "", "", "", "", ""}}};
    for (const Arithmetic arithmetic : {Arithmetic::FloatingPoint, Arithmetic::Exact}) {
        EXPECT_EQ(verdictLine(solveRows(tiny, arithmetic).verdict), QStringLiteral("One solution: x1 = 1e+400"));
        EXPECT_EQ(verdictLine(solveRows(huge, arithmetic).verdict), QStringLiteral("One solution: x1 = -1e-400, x2 = 2"));
    }
    // A fraction it leaves out in floating point, as the stages do: 0.1 x1 = 0.
    const Rows fraction{{{"0.1", "", "", "", "", "1/3"}, {"", "", "", "", "", ""}, {"", "", "", "", "", ""}}};
    EXPECT_EQ(verdictLine(solveRows(fraction).verdict), QStringLiteral("One solution: x1 = 0"));
}

// With column 1 empty the Answer is three steps from its reduced form,
// each with the matrix of its own operations (worked by hand).
TEST(ReducedFormSteps, EachStepHoldsTheMatrixAfterItsOwnOperations)
{
    const Rows emptyFirstColumn{{{"0", "2", "1", "0", "0", "1"}, {"0", "4", "3", "0", "0", "1"}, {"0", "6", "5", "1", "0", "1"}}};
    const std::vector<WrittenStep> steps = reducedFormSteps(solveRows(emptyFirstColumn, Arithmetic::Exact));
    ASSERT_EQ(steps.size(), 3U);
    EXPECT_EQ(steps[0].operations, QStringList{QStringLiteral("Exchange rows 1 and 2")});
    EXPECT_EQ(steps[0].matrix, (CellTexts{{{"0", "1", "3/4", "0", "0", "1/4"}, {"0", "0", "-2/3", "-1/3", "0", "2/3"},
                                           {"0", "0", "1/2", "1", "0", "-1/2"}}}));
    EXPECT_EQ(steps[1].matrix, (CellTexts{{{"0", "1", "0", "-3/8", "0", "1"}, {"0", "0", "1", "1/2", "0", "-1"},
                                           {"0", "0", "0", "3/4", "0", "0"}}}));
    EXPECT_EQ(steps[2].matrix, (CellTexts{{{"0", "1", "0", "0", "0", "1"}, {"0", "0", "1", "0", "0", "-1"},
                                           {"0", "0", "0", "1", "0", "0"}}}));
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
