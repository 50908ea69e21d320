// Putting a matrix into a grid as a student does: typing it with Enter
// after each value, moving with the arrow keys, pasting or dropping a
// block and taking it back with Ctrl+Z.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "grids.h"
#include "rowsweep/ui/cells/cell_edit.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

class TypingAndPastingTest : public MainWindowTest {
protected:
    QLineEdit& inputCell(int row, int column) { return cell(*form_, elementName(kInputRows[row], column)); }

    static void press(QWidget& widget, QKeySequence keys)
    {
        const QKeyCombination combination = keys[0];
        QTest::keyClick(&widget, combination.key(), combination.keyboardModifiers());
    }

    static void pasteInto(QLineEdit& into, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        press(into, QKeySequence::Paste);
    }

    // A drag from another program entering the cell and dropped at its middle.
    static bool drop(QLineEdit& into, const QString& text)
    {
        QMimeData data;
        data.setText(text);
        const QPoint middle = into.rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&into, &enter);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&into, &drop);
        return enter.isAccepted() && drop.isAccepted();
    }

    GridTexts input() { return readGrid(*form_, kInputRows); }

    static GridTexts with(GridTexts texts, std::initializer_list<std::tuple<int, int, const char*>> changes)
    {
        for (const auto& [row, column, text] : changes)
            texts[row][column] = QString::fromUtf8(text);
        return texts;
    }
};

TEST_F(TypingAndPastingTest, TypingTheSampleWithEnterAfterEachValueGivesTheSampleAndReachesSolve)
{
    ASSERT_TRUE(activate(*form_));
    // Once into an empty grid, once over a full one: the cell Enter reaches
    // has its text selected, so typing replaces it.
    for (const GridTexts& before : {uniform(""), uniform("99")}) {
        fillGrid(*form_, kInputRows, before);
        inputCell(0, 0).setFocus(Qt::TabFocusReason);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                QWidget* focus = QApplication::focusWidget();
                ASSERT_EQ(focus, &inputCell(row, column)) << row << ", " << column;
                QTest::keyClicks(focus, QString::fromLatin1(kSampleInput[row][column]));
                // Keypad Enter in the last column, Return elsewhere.
                if (column + 1 == kColumns)
                    QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
                else
                    QTest::keyClick(focus, Qt::Key_Return);
            }
        EXPECT_EQ(input(), texts(kSampleInput));
        ASSERT_EQ(QApplication::focusWidget()->objectName(), toQString(names::kSolveButton));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(readGrid(*form_, kResultRows), texts(kWorkedExamples[0].snapshots.back()));
        EXPECT_TRUE(seenBoxes_.empty());
    }
}

struct FocusStep {
    char window;  // '1' the main window, '3' the Solving window
    const char* from;
    QKeyCombination keys;
    const char* to;
};

const FocusStep kFocusSteps[] = {
    {'1', "Text1(5)", Qt::Key_Return, "Text2(0)"},
    {'1', "Text1(2)", Qt::Key_Return, "Text1(3)"},
    {'1', "Text6(5)", Qt::Key_Return, "Text4(0)"},
    {'1', "Text2(3)", Qt::Key_Up, "Text1(3)"},
    {'1', "Text1(3)", Qt::Key_Up, "Text1(3)"},
    {'1', "Text1(0)", Qt::Key_Down, "Text2(0)"},
    {'1', "Text3(2)", Qt::Key_Down, "Text3(2)"},
    {'1', "Text5(5)", Qt::KeypadModifier | Qt::Key_Down, "Text6(5)"},
    {'1', "Text1(2)", Qt::Key_Tab, "Text1(4)"},
    {'1', "Text1(4)", Qt::ShiftModifier | Qt::Key_Backtab, "Text1(2)"},
    {'1', "Text2(0)", Qt::ShiftModifier | Qt::Key_Backtab, "Text1(5)"},
    {'3', "Text1(0)", Qt::Key_Return, "Text1(1)"},
    {'3', "Text63(5)", Qt::Key_Return, "Text61(0)"},
    {'3', "Text42(4)", Qt::Key_Down, "Text43(4)"},
    {'3', "Text21(1)", Qt::Key_Up, "Text21(1)"},
    {'3', "Text1(3)", Qt::Key_Tab, "Text3(5)"},
};

TEST_F(TypingAndPastingTest, EnterGoesOnRowByRowAndUpAndDownKeepTheColumnWhileTabKeepsItsOrder)
{
    for (const FocusStep& step : kFocusSteps) {
        QWidget& window = step.window == '1' ? static_cast<QWidget&>(*form_) : form_->solvingWindow().get();
        ASSERT_TRUE(activate(window));
        QLineEdit& from = cell(window, QString::fromLatin1(step.from));
        from.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&from, step.keys.key(), step.keys.keyboardModifiers());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.to)
            << QKeySequence(step.keys).toString().toStdString() << " from " << step.from;
    }
    form_->solvingWindow().get().close();
}

TEST_F(TypingAndPastingTest, CtrlZInTheCellPastedIntoTakesTheWholeBlockBackAndRedoWritesItAgain)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    QLineEdit& into = inputCell(1, 2);
    into.selectAll();
    QTest::keyClicks(&into, QStringLiteral("55"));
    const GridTexts typed = input();
    pasteInto(into, QStringLiteral("\n\n10\t20\n30\t40\n"));
    const GridTexts pasted = with(typed, {{1, 2, "10"}, {1, 3, "20"}, {2, 2, "30"}, {2, 3, "40"}});
    ASSERT_EQ(input(), pasted) << "blank lines before a block: it fills from the cell pasted into";
    pasteInto(into, QStringLiteral("10\t20\n30\t40"));
    ASSERT_EQ(input(), pasted) << "the same block again changes nothing, not even what Ctrl+Z takes back";

    const QKeySequence redoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& redo : redoKeys) {
        press(into, QKeySequence::Undo);
        EXPECT_EQ(input(), typed) << "one step restores every cell the block changed";
        press(into, redo);
        EXPECT_EQ(input(), pasted) << redo.toString().toStdString();
    }

    // What was typed before the paste is still in the cell's history.
    press(into, QKeySequence::Undo);
    press(into, QKeySequence::Undo);
    EXPECT_EQ(input(), texts(kSampleInput));
}

TEST_F(TypingAndPastingTest, TheBlockStepEndsWhenAnotherCellItChangedIsEdited)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    QLineEdit& into = inputCell(0, 0);
    pasteInto(into, QStringLiteral("7 8\n9"));
    QLineEdit& other = inputCell(0, 1);
    QTest::keyClick(&other, Qt::Key_End);
    QTest::keyClicks(&other, QStringLiteral("5"));

    press(into, QKeySequence::Undo);

    EXPECT_EQ(input(), with(texts(kSampleInput), {{0, 1, "85"}, {1, 0, "9"}})) << "the edit is not lost";
}

TEST_F(TypingAndPastingTest, TheMenusUndoAndRedoTakeTheBlockStepToo)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    auto& into = static_cast<CellEdit&>(inputCell(2, 4));
    pasteInto(into, QStringLiteral("7;8;9\n3;4"));
    const GridTexts pasted = with(texts(kSampleInput), {{2, 4, "7"}, {2, 5, "8"}});
    ASSERT_EQ(input(), pasted) << "values beyond the edges are left out";
    const auto trigger = [&](const QString& command) {
        QMenu* menu = into.createEditMenu();
        for (QAction* action : menu->actions())
            if (action->text().section(u'\t', 0, 0) == command) {
                EXPECT_TRUE(action->isEnabled()) << command.toStdString();
                action->trigger();
            }
        delete menu;
    };

    trigger(QStringLiteral("&Undo"));
    EXPECT_EQ(input(), texts(kSampleInput));
    trigger(QStringLiteral("&Redo"));
    EXPECT_EQ(input(), pasted);
}

TEST_F(TypingAndPastingTest, DroppedTextIsPastedTrimmedSplitIntoABlockAndUndoable)
{
    ASSERT_TRUE(activate(*form_));
    fillGrid(*form_, kInputRows, uniform(""));

    QLineEdit& single = inputCell(1, 1);
    EXPECT_TRUE(drop(single, QStringLiteral("  4.5\r\n")));
    EXPECT_EQ(single.text(), "4.5");
    EXPECT_TRUE(single.hasFocus()) << "Ctrl+Z undoes a drop at once";
    press(single, QKeySequence::Undo);
    EXPECT_EQ(single.text(), "");

    QLineEdit& corner = inputCell(0, 4);
    EXPECT_TRUE(drop(corner, QStringLiteral("1\t2\t3\n4\t5\t6\n")));
    const GridTexts dropped = with(uniform(""), {{0, 4, "1"}, {0, 5, "2"}, {1, 4, "4"}, {1, 5, "5"}});
    EXPECT_EQ(input(), dropped);
    press(corner, QKeySequence::Undo);
    EXPECT_EQ(input(), uniform(""));
    press(corner, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(input(), dropped);
}

// The undo step of a block too large to keep is left out, not half kept,
// and the block is written whole all the same.
TEST_F(TypingAndPastingTest, ABlockTooLargeToUndoIsStillWrittenWhole)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    const QString large(20000, u'7');
    QLineEdit& into = inputCell(0, 0);
    into.selectAll();
    QTest::keyClicks(&into, QStringLiteral("5"));
    pasteInto(into, large + u'\t' + large + u'\n' + large);
    const GridTexts pasted = input();
    EXPECT_EQ(pasted[0][0], large);
    EXPECT_EQ(pasted[0][1], large);
    EXPECT_EQ(pasted[1][0], large);

    press(into, QKeySequence::Undo);
    EXPECT_EQ(input(), pasted) << "no cell of the block is undone alone";
}

}  // namespace
}  // namespace rowsweep::ui::testing
