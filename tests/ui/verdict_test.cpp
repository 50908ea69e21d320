// The line under the result: whether the system has a solution, and the
// solution itself in its tooltip, through the real main window.

#include <QLabel>

#include "grids.h"
#include "rowsweep/ui/look/verdict_line.h"

namespace rowsweep::ui::testing {
namespace {

class VerdictTest : public MainWindowTest {
protected:
    QLabel& verdict() { return *form_->findChild<QLabel*>(toQString(names::kVerdict)); }
};

struct VerdictCase {
    const char* name;
    Rows input;
    bool warns;  // in floating point
    const char* line;
    const char* solution;
    bool shortened = false;  // drawn with an ellipsis, whole in the tooltip
};

// The verdict's wording is the steps library's; the line shows it, and
// whole on hover where it is too long for the window. Clear empties it
// (the session's test).
TEST_F(VerdictTest, SolveWritesTheVerdict)
{
    const VerdictCase cases[] = {
        {"contradiction",
         {{{"1", "2", "0", "0", "1", "1"}, {"0", "1", "1", "0", "0", "2"}, {"1", "3", "1", "0", "1", "8"}}}, true,
         "No solution: the equations contradict each other", "Row 3 reads 0 = 1"},
        {"too long for the line",
         {{{"999999", "", "", "", "", "1234567"}, {"", "999998", "", "", "", "-7654321"}, {"", "", "999997", "", "", "1"}}},
         true, "One solution: x1 = 1234567/999999, x2 = -7654321/999998, x3 = 1/999997",
         "x1 = 1234567/999999\nx2 = -7654321/999998\nx3 = 1/999997", true},
    };
    ASSERT_TRUE(verdict().text().isEmpty()) << "nothing before the first Solve";
    for (const VerdictCase& c : cases) {
        solve(texts(c.input), c.warns);
        const QString line = QString::fromUtf8(c.line);
        const QString solution = QString::fromUtf8(c.solution);
        EXPECT_EQ(verdict().text(), line) << c.name;
        EXPECT_EQ(verdict().accessibleName(), line) << c.name;
        EXPECT_EQ(verdict().accessibleDescription(), solution) << c.name;
        EXPECT_EQ(verdict().toolTip(), c.shortened ? line + u'\n' + solution : solution) << c.name;
        // Drawn whole, or its start up to an ellipsis that fits the line.
        const QString drawn = static_cast<VerdictLine&>(verdict()).shownText();
        EXPECT_EQ(drawn.endsWith(QChar(0x2026)), c.shortened) << c.name;
        EXPECT_TRUE(line.startsWith(drawn.chopped(c.shortened ? 1 : 0))) << c.name;
        EXPECT_LE(verdict().fontMetrics().horizontalAdvance(drawn), verdict().contentsRect().width()) << c.name;
    }
}

// The verdict reads what the user typed exactly: 0.1 + 0.2 = 0.3 holds.
TEST_F(VerdictTest, DecimalsAreJudgedAsTyped)
{
    const Rows tenths{{{"0.1", "0.2", "0", "0", "0", "0.3"}, {"1", "2", "0", "0", "0", "3"}, {"", "", "", "", "", ""}}};
    solve(texts(tenths), false);
    EXPECT_EQ(verdict().toolTip(), QStringLiteral("x1 = 3 - 2 x2\nx2, x3, x4, x5 free"));
}

}  // namespace
}  // namespace rowsweep::ui::testing
