// One Solve, held by the session and observed by every window: what the
// windows show and offer after each thing a student or the session does,
// the Solving window closed and opened again among them.

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "grids.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/windows/solving_window.h"

namespace rowsweep::ui::testing {
namespace {

const Rows kThirds{{{"3", "1", "0", "0", "0", "1"}, {"0", "3", "0", "0", "0", "2"}, {"0", "0", "0", "0", "0", "0"}}};

enum class Action { Nothing, Solve, Clear, Exact, FloatingPoint, Watch, CloseSolving };
enum class Solving { Absent, Hidden, Shown };

struct Moment {
    Action action;
    // What then shows: row 2, column 6 of the result and of the Answer.
    const char* result;
    Solving solving;
    const char* answer;
    // The entries a cell's menu enables among those that take a Solve
    // away: Copy All Steps, as LaTeX, Print, PDF, Reduced Form.
    const char* resultMenu;
    const char* answerMenu;
    bool onShow;  // a result is on show: the input's menu opens the reduced form, Ctrl+P prints, the verdict is a link
};

constexpr Moment kMoments[] = {
    {Action::Nothing, "", Solving::Absent, "", "", "", false},
    {Action::Clear, "", Solving::Hidden, "", "", "", false},
    {Action::Watch, "", Solving::Shown, "", "", "", false},
    {Action::Solve, "0.666666666666667", Solving::Shown, "0.666666666666667", "CLPDR", "CLPDR", true},
    {Action::CloseSolving, "0.666666666666667", Solving::Absent, "", "CLPDR", "", true},
    {Action::Watch, "0.666666666666667", Solving::Shown, "", "CLPDR", "R", true},
    {Action::Exact, "2/3", Solving::Shown, "2/3", "CLPDR", "CLPDR", true},
    {Action::CloseSolving, "2/3", Solving::Absent, "", "CLPDR", "", true},
    {Action::FloatingPoint, "0.666666666666667", Solving::Hidden, "0.666666666666667", "CLPDR", "CLPDR", true},
    {Action::Clear, "", Solving::Hidden, "", "", "", false},
    {Action::Exact, "", Solving::Hidden, "", "", "", false},
};

constexpr std::pair<char, const char*> kTakingAway[] = {{'C', "Copy All Steps"},
                                                       {'L', "Copy All Steps as LaTeX"},
                                                       {'P', "Print All Steps…"},
                                                       {'D', "Save All Steps as PDF…"},
                                                       {'R', "Reduced Form"}};

class SessionTest : public MainWindowTest {
protected:
    void act(Action action)
    {
        Session& session = form_->session();
        switch (action) {
        case Action::Nothing: break;
        case Action::Solve: session.solve(texts(kThirds)); break;
        case Action::Clear: session.clear(); break;
        case Action::Exact: session.setArithmetic(steps::Arithmetic::Exact); break;
        case Action::FloatingPoint: session.setArithmetic(steps::Arithmetic::FloatingPoint); break;
        case Action::Watch: click(*form_, names::kWatchButton); break;
        case Action::CloseSolving:
            form_->solvingWindow().loaded()->close();
            flushDeferredDeletes();
            break;
        }
    }

    static QString enabledEntries(QLineEdit& cell)
    {
        QString enabled;
        QMenu& menu = openMenu(cell);
        for (const QAction* action : menu.actions())
            for (const auto& [letter, text] : kTakingAway)
                if (action->text() == QString::fromUtf8(text) && action->isEnabled())
                    enabled += QLatin1Char(letter);
        menu.close();
        flushDeferredDeletes();
        return enabled;
    }

    static Solving state(const SolvingWindow* window)
    {
        return window == nullptr ? Solving::Absent : window->isVisible() ? Solving::Shown : Solving::Hidden;
    }
};

TEST_F(SessionTest, EveryWindowShowsAndOffersTheSolveOnShow)
{
    int printings = 0;
    setPrinterSetup([&](QPrinter&, QWidget*) { return ++printings < 0; });
    QWidget& verdict = *form_->findChild<QLabel*>(toQString(names::kVerdict));
    QAccessibleInterface& spoken = *QAccessible::queryAccessibleInterface(&verdict);
    for (std::size_t step = 0; step < std::size(kMoments); ++step) {
        const Moment& moment = kMoments[step];
        SCOPED_TRACE("moment " + std::to_string(step));
        act(moment.action);
        EXPECT_EQ(resultCell(1, 5).text(), moment.result);
        SolvingWindow* solving = form_->solvingWindow().loaded();
        EXPECT_EQ(state(solving), moment.solving);
        EXPECT_EQ(enabledEntries(resultCell(1, 5)), moment.resultMenu);
        if (solving != nullptr) {
            QLineEdit& answer = cell(*solving, elementName(kSnapshotRows[5][1], 5));
            EXPECT_EQ(answer.text(), moment.answer);
            EXPECT_EQ(enabledEntries(answer), moment.answerMenu);
        }
        EXPECT_EQ(enabledEntries(inputCell(0, 0)), moment.onShow ? "R" : "");
        const int printed = printings;
        ASSERT_TRUE(activate(*form_));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(printings - printed, moment.onShow ? 1 : 0) << "Ctrl+P";
        EXPECT_EQ(spoken.role() == QAccessible::Link, moment.onShow);
        EXPECT_EQ(spoken.actionInterface() != nullptr && !spoken.actionInterface()->actionNames().isEmpty(), moment.onShow);
        EXPECT_FALSE(spoken.state().focusable);
    }
}

}  // namespace
}  // namespace rowsweep::ui::testing
