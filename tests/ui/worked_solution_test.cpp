// Taking the work away: the copy commands of the cells' menus, run through
// the real windows.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "grids.h"
#include "rowsweep/ui/windows/reduced_form_window.h"
#include "rowsweep/ui/windows/solving_window.h"

namespace rowsweep::ui::testing {
namespace {

QString expectedText(const char* name)
{
    QFile file(QStringLiteral(ROWSWEEP_EXPECTED_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(no file)");
}

class CopyTest : public MainWindowTest {
protected:
    QWidget& solving() { return form_->solvingWindow().get(); }
    QLineEdit& at(QWidget& window, const char* name) { return cell(window, QString::fromLatin1(name)); }
    QLineEdit& resultCell() { return at(*form_, "Text5(2)"); }
    QLineEdit& answerCell() { return at(solving(), "Text61(0)"); }

    // Opens the cell's menu with the menu key, as a user would.
    static QMenu& openMenu(QLineEdit& cell)
    {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, cell.mapToGlobal(QPoint()));
        QApplication::sendEvent(&cell, &event);
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return *menu;
        throw std::runtime_error("no menu opened");
    }

    // The commands after Qt's own line-edit menu, unchanged, and a
    // separator; a disabled one with a leading "-".
    static QStringList copyCommands(QLineEdit& cell)
    {
        QStringList shown;
        const std::unique_ptr<QMenu> standard(cell.createStandardContextMenu());
        for (QMenu* menu : {&openMenu(cell), standard.get()}) {
            for (const QAction* action : menu->actions())
                shown << (action->isEnabled() ? QString() : QStringLiteral("-")) + action->text();
            menu->close();
        }
        // Shown: Qt's items, "", the copy commands; then Qt's items again.
        const QStringList qtItems = shown.mid(shown.size() - standard->actions().size());
        EXPECT_EQ(shown.mid(0, qtItems.size() + 1), qtItems + QStringList{QString()});
        return shown.mid(qtItems.size() + 1, shown.size() - 2 * qtItems.size() - 1);
    }

    // Clicks a command of the cell's menu and returns what it put on the
    // clipboard, after checking that nothing else changed.
    QString copy(QLineEdit& cell, const QString& command)
    {
        EXPECT_TRUE(activate(*cell.window()));
        cell.setFocus();
        const GridTexts input = readGrid(*form_, kInputRows);
        const GridTexts result = readGrid(*form_, kResultRows);
        QGuiApplication::clipboard()->clear();
        QMenu& menu = openMenu(cell);
        for (QAction* action : menu.actions())
            if (action->text() == command)
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        flushDeferredDeletes();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu closes";
        // The offscreen platform leaves no window active after a popup, so
        // the focus is asked of the cell's own window.
        EXPECT_EQ(cell.window()->focusWidget(), &cell);
        EXPECT_EQ(readGrid(*form_, kInputRows), input);
        EXPECT_EQ(readGrid(*form_, kResultRows), result);
        EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{QStringLiteral("text/plain")});
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(CopyTest, CopyMatrixCopiesTheCellsGridAsTabSeparatedLinesThatFillAGrid)
{
    click(*form_, names::kSampleButton);
    at(*form_, "Text2(3)").setText(QStringLiteral(" x "));
    at(*form_, "Text3(5)").clear();
    answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);

    EXPECT_EQ(copy(at(*form_, "Text2(4)"), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t-2\t3\t0\t4\t1\n4\t-7\t2\t x \t0\t3\n3\t-5\t-1\t1\t-4\t\n"));
    EXPECT_EQ(copy(at(solving(), "Text42(1)"), QStringLiteral("Copy Matrix")),
              QStringLiteral("1\t0\t-17\t2\t-28\t-5\n0\t1\t-10\t0\t-16\t-1\n0\t1\t-10\t1\t-16\t-3\n"));

    // Pasted into the first input cell, the copied answer fills the input
    // grid cell for cell.
    const GridTexts answer = readGrid(*form_, kResultRows);
    copy(resultCell(), QStringLiteral("Copy Matrix"));
    QLineEdit& first = cell(*form_, elementName(kInputRows[0], 0));
    first.setFocus();
    const QKeyCombination paste = QKeySequence(QKeySequence::Paste)[0];
    QTest::keyClick(&first, paste.key(), paste.keyboardModifiers());
    EXPECT_EQ(readGrid(*form_, kInputRows), answer);
}

// Only text that is not a number is listed as counted as 0; an empty or
// blank cell is simply 0, as the red mark has it too.
TEST_F(CopyTest, AllStepsListOnlyTheCellsThatAreNotNumbers)
{
    click(*form_, names::kSampleButton);
    at(*form_, "Text1(1)").clear();
    at(*form_, "Text2(2)").setText(QStringLiteral("  "));
    at(*form_, "Text3(4)").setText(QStringLiteral("4,5"));
    answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);

    const QString steps = copy(resultCell(), QStringLiteral("Copy All Steps"));
    EXPECT_EQ(steps.count(QStringLiteral("(not a number, counted as 0)")), 1) << steps.toStdString();
    EXPECT_TRUE(steps.contains(QStringLiteral("Row 3, column 5: (not a number, counted as 0)")));
}

TEST_F(CopyTest, StepCommandsAreOfferedWhereTheStepsAreShownAndOnlyWhileTheyAre)
{
    const auto expectCommands = [this](bool enabled, const char* when) {
        const QString mark = enabled ? QString() : QStringLiteral("-");
        const QStringList modeSwitch{QString(), QStringLiteral("Exact Fractions")};
        const QString reducedForm = mark + QStringLiteral("Reduced Form");
        const QStringList steps = QStringList{QStringLiteral("Copy Matrix"), mark + QStringLiteral("Copy All Steps"),
                                              mark + QStringLiteral("Copy All Steps as LaTeX"), reducedForm}
                                  + modeSwitch;
        EXPECT_EQ(copyCommands(at(*form_, "Text1(0)")),
                  (QStringList{QStringLiteral("Copy Matrix"), reducedForm} + modeSwitch))
            << when;
        EXPECT_EQ(copyCommands(resultCell()), steps) << when;
        EXPECT_EQ(copyCommands(answerCell()), steps) << when;
    };
    expectCommands(false, "before any Solve");
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    expectCommands(true, "after Solve");
    click(*form_, names::kClearButton);
    expectCommands(false, "after Clear");
    click(*form_, names::kSolveButton);
    solving().close();
    expectCommands(false, "after the Solving window, and its snapshots, were closed");
}

// The menus copy exactly the worked solution the steps library writes;
// its forms are checked, and compiled, in that library's tests.
TEST_F(CopyTest, AllStepsCopyTheSolveAsTextAndAsLatex)
{
    solve(texts(kSampleInput), false);
    EXPECT_EQ(copy(answerCell(), QStringLiteral("Copy All Steps")), expectedText("sample_steps.txt"));
    EXPECT_EQ(copy(resultCell(), QStringLiteral("Copy All Steps as LaTeX")), expectedText("sample_steps.tex"));
}

// 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3, columns 4 and 5
// left empty: its floating-point Answer keeps -1 in row 3, column 3.
constexpr Rows kTextbook{{{"2", "1", "-1", "", "", "8"}, {"-3", "-1", "2", "", "", "-11"}, {"-2", "1", "2", "", "", "-3"}}};

class ReducedFormTest : public CopyTest {
protected:
    QWidget* window() { return form_->reducedFormWindow().loaded(); }
    QLabel& verdict() { return *form_->findChild<QLabel*>(toQString(names::kVerdict)); }
    QGroupBox& frame(std::size_t index)
    {
        return *window()->findChild<QGroupBox*>(toQString(names::kReducedFormFrames[index]));
    }
    QString solutionText() { return window()->findChild<QLabel*>(toQString(names::kReducedFormSolution))->text(); }
    QString noteText() { return window()->findChild<QLabel*>(toQString(names::kExactContinuationNote))->text(); }
    QStringList shownFrames()
    {
        QStringList shown;
        for (std::size_t i = 0; i < names::kReducedFormFrameCount; ++i)
            if (frame(i).isVisibleTo(window()))
                shown << frame(i).title();
        return shown;
    }
    void openFromMenu(QLineEdit& cell)
    {
        QMenu& menu = openMenu(cell);
        for (QAction* action : menu.actions())
            if (action->text() == QStringLiteral("Reduced Form"))
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        flushDeferredDeletes();
    }
};

TEST_F(ReducedFormTest, OpensFromTheMenuOrTheVerdictFollowsEverySolveAndIsEmptiedByClear)
{
    QTest::mouseClick(&verdict(), Qt::LeftButton);
    EXPECT_EQ(window(), nullptr) << "nothing to show before a Solve";

    solve(texts(kTextbook), true);
    openFromMenu(resultCell());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(shownFrames(), (QStringList{QStringLiteral("Answer"), QStringLiteral("Step 7")}));
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[0]),
              texts({{{"1", "0", "-3/4", "0", "0", "11/4"}, {"0", "1", "1", "0", "0", "2"}, {"0", "0", "-1", "0", "0", "1"}}}));
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[1]),
              texts({{{"1", "0", "0", "0", "0", "2"}, {"0", "1", "0", "0", "0", "3"}, {"0", "0", "1", "0", "0", "-1"}}}));
    EXPECT_EQ(frame(1).toolTip(), QStringLiteral("Divide row 3 by -1\nAdd 3/4 × row 3 to row 1\nSubtract 1 × row 3 from row 2"));
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            EXPECT_EQ(cell(*window(), elementName(names::kReducedFormRows[1][row], column)).font().bold(), row == column)
                << row << ", " << column;
    EXPECT_EQ(solutionText(), QStringLiteral("One solution: x1 = 2, x2 = 3, x3 = -1\nx1 = 2\nx2 = 3\nx3 = -1"));
    EXPECT_FALSE(noteText().isEmpty()) << "floating point says where exact fractions begin";

    // Escape closes it; a click on the verdict line brings it back whole.
    QTest::keyClick(&cell(*window(), QStringLiteral("Text71(0)")), Qt::Key_Escape);
    flushDeferredDeletes();
    ASSERT_EQ(window(), nullptr);
    QTest::mouseClick(&verdict(), Qt::LeftButton);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(shownFrames().size(), 2);

    // The sample's exact Answer is its reduced form already; its pivots
    // are bold in the Answer.
    solve(texts(kSampleInput), false);
    EXPECT_EQ(shownFrames(), QStringList{QStringLiteral("Answer")});
    EXPECT_TRUE(cell(*window(), QStringLiteral("Text62(1)")).font().bold());
    EXPECT_FALSE(cell(*window(), QStringLiteral("Text71(1)")).font().bold());
    EXPECT_TRUE(solutionText().startsWith(QStringLiteral("Infinitely many solutions: x3, x4, x5 free\n")));

    click(*form_, names::kClearButton);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(readGrid(*window(), names::kReducedFormRows[0]), uniform(""));
    EXPECT_TRUE(solutionText().isEmpty());
    window()->close();
    flushDeferredDeletes();
}

}  // namespace
}  // namespace rowsweep::ui::testing
