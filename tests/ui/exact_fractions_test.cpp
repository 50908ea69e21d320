// Switching the whole program between floating point and Exact Fractions
// from any cell's menu, and what the windows then show.

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "grids.h"
#include "rowsweep/steps/warning_hint.h"
#include "rowsweep/steps/plain_text.h"
#include "rowsweep/ui/session/session.h"
#include "rowsweep/ui/windows/solving_window.h"

namespace rowsweep::ui::testing {
namespace {

const Rows kThirds{{{"3", "1", "0", "0", "0", "1"}, {"0", "3", "0", "0", "0", "2"}, {"0", "0", "0", "0", "0", "0"}}};

class ExactFractionsTest : public MainWindowTest {
protected:
    // The cell's "Exact Fractions" entry, from the menu a user opens with
    // the menu key; the menu stays open until `closeMenu`.
    static QAction* exactEntry(QLineEdit& cell)
    {
        for (QAction* action : openMenu(cell).actions())
            if (action->text() == QStringLiteral("Exact Fractions"))
                return action;
        return nullptr;
    }

    static void closeMenu()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        flushDeferredDeletes();
    }

    // Whether the entry is checked in this cell's menu.
    static bool checkedIn(QLineEdit& cell)
    {
        QAction* entry = exactEntry(cell);
        const bool checked = entry != nullptr && entry->isCheckable() && entry->isChecked();
        EXPECT_NE(entry, nullptr) << cell.objectName().toStdString();
        closeMenu();
        return checked;
    }

    static void toggle(QLineEdit& cell)
    {
        QAction* entry = exactEntry(cell);
        ASSERT_NE(entry, nullptr);
        entry->trigger();
        closeMenu();
    }

    QLineEdit& at(QWidget& window, const char* name) { return cell(window, QString::fromLatin1(name)); }
    QWidget& solving() { return form_->solvingWindow().get(); }
};

TEST_F(ExactFractionsTest, EveryCellSwitchesTheWholeProgramAndTheChoiceIsRemembered)
{
    EXPECT_FALSE(checkedIn(at(*form_, "Text1(0)"))) << "a first run is in floating point";
    toggle(at(solving(), "Text42(3)"));
    for (QLineEdit* cell : {&at(*form_, "Text1(0)"), &at(*form_, "Text6(5)"), &at(solving(), "Text1(0)")})
        EXPECT_TRUE(checkedIn(*cell)) << cell->objectName().toStdString();

    // A later run starts where this one was left.
    MainWindow later;
    EXPECT_TRUE(checkedIn(cell(later, QStringLiteral("Text3(2)"))));
    toggle(cell(later, QStringLiteral("Text3(2)")));
    EXPECT_FALSE(checkedIn(cell(later, QStringLiteral("Text3(2)"))));
    MainWindow third;
    EXPECT_FALSE(checkedIn(cell(third, QStringLiteral("Text1(0)"))));
}

using ArithmeticTest = UiTest;

// A choice that changes the arithmetic is announced, the very first too,
// before anything read the remembered one; choosing it again is not.
TEST_F(ArithmeticTest, EveryChangeIsSignalledOnce)
{
    for (const bool readFirst : {false, true}) {
        QSettings().remove(QStringLiteral("arithmetic"));
        Session session;
        QSignalSpy changed(&session, &Session::arithmeticChanged);
        if (readFirst) {
            EXPECT_EQ(session.arithmetic(), steps::Arithmetic::FloatingPoint);
        }
        session.setArithmetic(steps::Arithmetic::Exact);
        session.setArithmetic(steps::Arithmetic::Exact);
        EXPECT_EQ(changed.count(), 1) << "read first: " << readFirst;
        session.setArithmetic(steps::Arithmetic::FloatingPoint);
        EXPECT_EQ(changed.count(), 2) << "read first: " << readFirst;
        EXPECT_EQ(session.arithmetic(), steps::Arithmetic::FloatingPoint);
    }
}

// --exact and --floating-point choose for one run only.
TEST_F(ExactFractionsTest, AnArithmeticForThisRunLeavesTheRememberedChoiceAlone)
{
    toggle(at(*form_, "Text1(0)"));
    MainWindow floating(steps::Arithmetic::FloatingPoint);
    floating.show();
    fillGrid(floating, kInputRows, texts(kThirds));
    click(floating, names::kSolveButton);
    EXPECT_EQ(readGrid(floating, kResultRows)[0][5], QStringLiteral("0.111111111111111"));
    EXPECT_FALSE(checkedIn(cell(floating, QStringLiteral("Text1(0)"))));

    MainWindow next;
    EXPECT_TRUE(checkedIn(cell(next, QStringLiteral("Text1(0)")))) << "still remembered";
}

// Exact Fractions warns only when the system has no solution; the hint
// and the pointer to the verdict appear only in floating point, on the
// result frame and on the cells of row 3 that hold the residue, until Clear.
TEST_F(ExactFractionsTest, ResultTooltipsPointFromAMisleadingWarning)
{
    const Rows dependent{{{"3", "1", "4", "1", "5", "9"}, {"2", "6", "5", "3", "5", "8"}, {"5", "7", "9", "4", "10", "17"}}};
    auto* result = form_->findChild<QWidget*>(toQString(names::kResultFrame));
    ASSERT_NE(result, nullptr);

    solve(texts(dependent), true);
    EXPECT_TRUE(result->toolTip().contains(QStringLiteral("the warning comes from rounding"))) << result->toolTip().toStdString();
    EXPECT_TRUE(result->toolTip().contains(QStringLiteral("The system has solutions; see the line below the result.")));
    int residues = 0;
    for (int column = 0; column < kColumns; ++column)
        if (resultCell(2, column).text() != u'0') {
            ++residues;
            EXPECT_TRUE(hover(resultCell(2, column)).contains(steps::roundingHint())) << column;
        }
    EXPECT_GT(residues, 0);
    // Beyond the range of floating point the residue is NaN.
    solve(texts(Rows{{{"1e-10", "1e300", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "0"},
                      {"1", "1e300", "0", "0", "0", "0"}}}), true);
    EXPECT_EQ(resultCell(2, 1).text(), QStringLiteral("NaN"));
    EXPECT_TRUE(hover(resultCell(2, 1)).contains(steps::rangeHint()));
    click(*form_, names::kClearButton);
    EXPECT_EQ(hover(resultCell(2, 3)), "") << "Clear takes the hint away";
    // Without a warning, a value floating point cannot hold is named too.
    solve(texts(Rows{{{"1e400", "1", "", "", "", "1"}, {"1", "1", "", "", "", "2"}, {"", "", "", "", "", ""}}}), false);
    EXPECT_EQ(result->toolTip(), steps::typedBeyondRangeHint());

    toggle(at(*form_, "Text1(0)"));
    solve(texts(dependent), false);
    EXPECT_EQ(readGrid(*form_, kResultRows)[2], (std::array<QString, kColumns>{"0", "0", "0", "0", "0", "0"}));
    EXPECT_TRUE(result->toolTip().isEmpty());
}

// A fraction typed in floating point counts as 0 and says where it would
// be read; in Exact Fractions it is a number like any other. Solved again
// in it, the input the Solve read is marked anew, but not a cell edited
// since.
TEST_F(ExactFractionsTest, AFractionIsMarkedOnlyInFloatingPointWithAPointerToTheMode)
{
    QLineEdit& half = at(*form_, "Text1(0)");
    QLineEdit& edited = at(*form_, "Text2(1)");
    half.setText(QStringLiteral("1/2"));
    edited.setText(QStringLiteral("x"));
    click(*form_, names::kSolveButton);
    EXPECT_EQ(half.accessibleDescription(),
              QStringLiteral("Not read in floating point: counted as 0"));
    EXPECT_EQ(edited.accessibleDescription(), QStringLiteral("Not a number: counted as 0"));
    edited.setText(QStringLiteral("2"));

    toggle(half);  // solves again
    EXPECT_TRUE(half.accessibleDescription().isEmpty());
    EXPECT_TRUE(edited.accessibleDescription().isEmpty()) << "edited since the Solve read it";
    EXPECT_EQ(readGrid(*form_, kResultRows)[0][0], QStringLiteral("1"));
    // Beyond the digits Exact Fractions holds, a value is marked with the bound.
    edited.setText(QStringLiteral("1e999999999"));
    click(*form_, names::kSolveButton);
    EXPECT_EQ(edited.accessibleDescription(), QStringLiteral("Too large for Exact Fractions: at most 100,000 digits"));
}

// Every result is drawn whole, at a smaller size where it must be; CTest
// runs this under X11 with the desktop's own font too (ui.x11).
TEST_F(ExactFractionsTest, TheResultsOfThirdsAndSeventhsAreDrawnWhole)
{
    toggle(at(*form_, "Text1(0)"));
    solve(texts({{{"3", "7", "1", "2", "5", "1"}, {"7", "3", "2", "1", "4", "2"}, {"1", "21", "3", "7", "1", "3"}}}),
          false);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QLineEdit& result = at(*form_, elementName(kResultRows[row], column).toLatin1().constData());
            EXPECT_EQ(result.property("shownText").toString(), result.text())
                << "at " << result.property("shownPointSize").toReal() << " pt";
        }
}

}  // namespace
}  // namespace rowsweep::ui::testing
