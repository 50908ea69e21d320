// The verdict in words, from hand-worked systems.

#include <gtest/gtest.h>

#include "cell_rows.h"
#include "rowsweep/steps/equations.h"
#include "rowsweep/steps/solution_set.h"

namespace rowsweep::steps::testing {
namespace {

struct SolutionCase {
    const char* name;
    Rows input;
    const char* verdict;
    QStringList lines;
};

TEST(SolutionSet, WritesTheGeneralSolutionOrTheContradiction)
{
    const SolutionCase cases[] = {
        {"sample", rowsweep::testing::kSampleInput, "Infinitely many solutions: x3, x4, x5 free",
         {"x1 = -1 + 17 x3 - 2 x4 + 28 x5", "x2 = -1 + 10 x3 - x4 + 16 x5", "x3, x4, x5 free"}},
        // The constant left out where it is 0; a coefficient of 1 too; the
        // first term with its own sign.
        {"signs and ones",
         {{{"2", "0", "3", "0", "-2", "4"}, {"0", "4", "0", "-1", "0", "-4"}, {"0", "0", "0", "0", "0", "0"}}},
         "Infinitely many solutions: x3, x4, x5 free",
         {"x1 = 2 - 3/2 x3 + x5", "x2 = -1 + 1/4 x4", "x3, x4, x5 free"}},
        {"only free terms",
         {{{"1", "0", "3/2", "0", "1", "0"}, {"0", "1", "0", "-1", "0", "0"}, {"0", "0", "0", "0", "0", "0"}}},
         "Infinitely many solutions: x3, x4, x5 free", {"x1 = -3/2 x3 - x5", "x2 = x4", "x3, x4, x5 free"}},
        {"zero", {{{"0", "0", "1", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}}},
         "Infinitely many solutions: x1, x2, x4, x5 free", {"x3 = 0", "x1, x2, x4, x5 free"}},
        {"all free", rowsweep::testing::worked::kZeros, "Infinitely many solutions: x1, x2, x3, x4, x5 free",
         {"x1, x2, x3, x4, x5 free"}},
        // The row of the reduced form, its right-hand side normalised to 1.
        {"contradiction in row 3",
         {{{"1", "2", "0", "0", "1", "1"}, {"0", "1", "1", "0", "0", "2"}, {"1", "3", "1", "0", "1", "8"}}},
         "No solution: the equations contradict each other", {"Row 3 reads 0 = 1"}},
        {"contradiction in row 2",
         {{{"1", "1", "1", "1", "1", "1"}, {"2", "2", "2", "2", "2", "1/2"}, {"0", "0", "0", "0", "0", "0"}}},
         "No solution: the equations contradict each other", {"Row 2 reads 0 = 1"}},
        // Only the unknowns whose column holds some text are named.
        {"textbook, 3 unknowns",
         {{{"2", "1", "-1", "", "", "8"}, {"-3", "-1", "2", "", "", "-11"}, {"-2", "1", "2", "", " ", "-3"}}},
         "One solution: x1 = 2, x2 = 3, x3 = -1", {"x1 = 2", "x2 = 3", "x3 = -1"}},
        {"4 unknowns",
         {{{"1", "0", "0", "1", "", "2"}, {"0", "1", "0", "2", "", "3/2"}, {"0", "0", "2", "-6", "", "4"}}},
         "Infinitely many solutions: x4 free", {"x1 = 2 - x4", "x2 = 3/2 - 2 x4", "x3 = 2 + 3 x4", "x4 free"}},
        {"column 3 empty",
         {{{"1", "2", "", "0", "", "5"}, {"0", "1", "", "1", "", "3"}, {"1", "1", "", "1", "", "4"}}},
         "One solution: x1 = 1, x2 = 2, x4 = 1", {"x1 = 1", "x2 = 2", "x4 = 1"}},
        {"a 0 is in use", {{{"1", "", "", "", "", "5"}, {"", "", "", "0", "", ""}, {"", "", "", "", "", ""}}},
         "Infinitely many solutions: x4 free", {"x1 = 5", "x4 free"}},
        {"nothing to solve", {{{"", "", "", "", "", "0"}, {"", "", "", "", "", ""}, {"", "", "", "", "", "0"}}},
         "Nothing to solve: every coefficient column is empty", {}},
        {"0 = 1 without unknowns", {{{"", "", "", "", "", ""}, {"", "", "", "", "", "-4"}, {"", "", "", "", "", ""}}},
         "No solution: the equations contradict each other", {"Row 1 reads 0 = 1"}},
    };
    for (const SolutionCase& c : cases) {
        const Verdict verdict = solveRows(c.input, Arithmetic::Exact).verdict;
        EXPECT_EQ(verdictLine(verdict), QString::fromUtf8(c.verdict)) << c.name;
        EXPECT_EQ(solutionLines(verdict), c.lines) << c.name;
    }
}

// The rows as equations over the unknowns in use, as an exercise sheet
// writes them, with minus signs.
TEST(Equations, LeaveOutZerosAndOnesAndSetTheRestAsOnPaper)
{
    const struct {
        Rows input;
        Arithmetic arithmetic;
        std::array<const char*, kRows> equations;
    } cases[] = {
        {{{{"2", "1", "-1", "", "", "8"}, {"-3", "-1", "2", "", "", "-11"}, {"0", "1", "0", "", "", "0"}}},
         Arithmetic::Exact,
         {"2x1 + x2 \u2212 x3 = 8", "\u22123x1 \u2212 x2 + 2x3 = \u221211", "x2 = 0"}},
        {{{{"3/4", "0", "-1/2", "", "1", ""}, {"0", "", "", "", "", "5"}, {"", "", "", "", "", ""}}},
         Arithmetic::Exact,
         {"3/4 x1 \u2212 1/2 x3 + x5 = 0", "0 = 5", "0 = 0"}},
        {{{{"0.5", "-2.50", "1e20", "0", "", "-0.25"}, {"", "", "", "-1", "", "1"}, {"", "", "", "", "", ""}}},
         Arithmetic::FloatingPoint,
         {"0.5x1 \u2212 2.5x2 + 1e+20 x3 = \u22120.25", "\u2212x4 = 1", "0 = 0"}},
    };
    for (const auto& c : cases) {
        const WorkedSolution solution = solveRows(c.input, c.arithmetic);
        for (int row = 0; row < kRows; ++row)
            EXPECT_EQ(equationText(solution.input[row], solution.verdict.inUse), QString::fromUtf8(c.equations[row]));
    }
}

}  // namespace
}  // namespace rowsweep::steps::testing
