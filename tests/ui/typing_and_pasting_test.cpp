// Putting a matrix into a grid as a student does: typing it with Enter
// after each value, moving with the arrow keys, pasting or dropping a
// block and taking it back with Ctrl+Z.

#include <random>

#include <QApplication>
#include <QClipboard>
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
    {'1', "Text1(0)", Qt::KeypadModifier | Qt::Key_Enter, "Text1(1)"},
    {'1', "Text1(0)", Qt::ControlModifier | Qt::Key_Return, "Text1(0)"},
    {'1', "Text2(1)", Qt::ShiftModifier | Qt::Key_Up, "Text2(1)"},
    {'1', "Text2(1)", Qt::AltModifier | Qt::Key_Down, "Text2(1)"},
    {'1', "Text2(1)", Qt::ShiftModifier | Qt::KeypadModifier | Qt::Key_Enter, "Text2(1)"},
    {'1', "Text1(4)", Qt::ShiftModifier | Qt::Key_Backtab, "Text1(2)"},
    {'1', "Text2(0)", Qt::ShiftModifier | Qt::Key_Backtab, "Text1(5)"},
    {'3', "Text1(0)", Qt::Key_Return, "Text1(1)"},
    {'3', "Text63(5)", Qt::Key_Return, "Text61(0)"},
    {'3', "Text42(4)", Qt::Key_Down, "Text43(4)"},
    {'3', "Text21(1)", Qt::Key_Up, "Text21(1)"},
    // Tab keeps each window's fixed order.
    {'1', "Text1(2)", Qt::Key_Tab, "Text1(4)"},   {'1', "Text1(5)", Qt::Key_Tab, "Text2(0)"},
    {'1', "Text3(5)", Qt::Key_Tab, "Text1(3)"},   {'1', "Text1(3)", Qt::Key_Tab, "Text6(0)"},
    {'1', "Text6(0)", Qt::Key_Tab, "Text5(0)"},   {'1', "Text4(0)", Qt::Key_Tab, "Command1"},
    {'1', "Command1", Qt::Key_Tab, "Text4(1)"},   {'1', "Text6(5)", Qt::Key_Tab, "Command2"},
    {'1', "Command2", Qt::Key_Tab, "Command3"},   {'1', "Command4", Qt::Key_Tab, "Command5"},
    {'1', "Command6", Qt::Key_Tab, "Text1(0)"},   {'3', "Text1(3)", Qt::Key_Tab, "Text3(5)"},
    {'3', "Text3(0)", Qt::Key_Tab, "Text2(5)"},   {'3', "Text1(4)", Qt::Key_Tab, "Text1(2)"},
    {'3', "Text1(0)", Qt::Key_Tab, "Text21(0)"},  {'3', "Text33(5)", Qt::Key_Tab, "Text41(0)"},
    {'3', "Text43(0)", Qt::Key_Tab, "Text51(0)"}, {'3', "Text63(5)", Qt::Key_Tab, "Text43(1)"},
    {'3', "Text43(5)", Qt::Key_Tab, "Text1(3)"},
};

TEST_F(TypingAndPastingTest, EnterGoesOnRowByRowAndUpAndDownKeepTheColumnWhileTabKeepsItsOrder)
{
    for (const FocusStep& step : kFocusSteps) {
        QWidget& window = step.window == '1' ? static_cast<QWidget&>(*form_) : form_->solvingWindow().get();
        ASSERT_TRUE(activate(window));
        auto* from = window.findChild<QWidget*>(QString::fromLatin1(step.from));
        ASSERT_NE(from, nullptr) << step.from;
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(from, step.keys.key(), step.keys.keyboardModifiers());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.to)
            << QKeySequence(step.keys).toString().toStdString() << " from " << step.from;
    }
    form_->solvingWindow().get().close();
}

// Pastes, blocks, drops, typing, Clear and Sample in any order: undoing
// walks back through every grid there was, one step each, to the start,
// and redoing walks forward again to the end.
TEST_F(TypingAndPastingTest, UndoAndRedoWalkThroughEveryEarlierGridOfARandomSession)
{
    ASSERT_TRUE(activate(*form_));
    QWidget& elsewhere = *form_->findChild<QWidget*>(toQString(names::kSolveButton));
    const QStringList values{"1", "-2", "3.5", "", "7"};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
        const auto anyCell = [&]() -> QLineEdit& { return inputCell(pick(kRows), pick(kColumns)); };
        const auto someBlock = [&] {
            QStringList lines(1 + pick(3));
            for (QString& line : lines)
                for (int value = pick(3); value >= 0; --value)
                    line += values[pick(5)] + u'\t';
            return lines.join(u'\n') + u'\n';
        };
        click(*form_, names::kClearButton);
        fillGrid(*form_, kInputRows, texts(kSampleInput));
        std::vector<GridTexts> grids{input()};
        for (int action = 0; action < 14; ++action) {
            elsewhere.setFocus();  // each action a step of its own
            QLineEdit& into = anyCell();
            switch (pick(7)) {
            case 0:
                into.setFocus(Qt::TabFocusReason);
                QTest::keyClick(&into, pick(2) == 0 ? Qt::Key_End : Qt::Key_Home);
                paste(into, values[pick(5)]);
                break;
            case 1:
                paste(into, someBlock());
                break;
            case 2:
                drop(into, pick(2) == 0 ? someBlock() : u' ' + values[pick(5)]);
                break;
            case 3:
                into.setFocus(Qt::TabFocusReason);
                QTest::keyClicks(&into, values[pick(5)] + values[pick(5)]);
                QTest::keyClick(&into, Qt::Key_Backspace);
                break;
            case 4:
                click(*form_, names::kClearButton);
                break;
            case 5:
                click(*form_, names::kSampleButton);
                break;
            default:
                into.setFocus(Qt::TabFocusReason);
                QTest::keyClick(&into, Qt::Key_Delete);
            }
            if (input() != grids.back())
                grids.push_back(input());
        }
        for (auto grid = grids.rbegin() + 1; grid != grids.rend(); ++grid) {
            press(anyCell(), QKeySequence::Undo);
            ASSERT_EQ(input(), *grid) << "seed " << seed << ", " << grids.rend() - grid << " grids back";
        }
        for (auto grid = grids.begin() + 1; grid != grids.end(); ++grid) {
            press(anyCell(), pick(2) == 0 ? QKeySequence(Qt::CTRL | Qt::Key_Y) : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
            ASSERT_EQ(input(), *grid) << "seed " << seed << ", redo to grid " << grid - grids.begin();
        }
    }
}

// The ways a block's undo went wrong before: each is one step of the
// grid's history, whatever happened in its cells since.
TEST_F(TypingAndPastingTest, ABlockIsOneStepWhateverIsTypedOrPastedAroundIt)
{
    ASSERT_TRUE(activate(*form_));
    const GridTexts sample = texts(kSampleInput);
    const auto undo = [&](int times, int row, int column) {
        for (int step = 0; step < times; ++step)
            press(inputCell(row, column), QKeySequence::Undo);
    };
    fillGrid(*form_, kInputRows, sample);
    paste(inputCell(0, 0), QStringLiteral("1\t9\n8"));  // its first value is the cell's text
    const GridTexts pasted = with(sample, {{0, 1, "9"}, {1, 0, "8"}});
    ASSERT_EQ(input(), pasted);
    QLineEdit& into = inputCell(0, 0);
    into.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&into, Qt::Key_End);
    QTest::keyClicks(&into, QStringLiteral("42"));  // typing in the cell pasted into
    inputCell(1, 1).setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&inputCell(1, 1), QStringLiteral("5"));  // and in another cell
    undo(1, 0, 0);
    EXPECT_EQ(input(), with(pasted, {{0, 0, "142"}}));
    undo(1, 2, 5);
    EXPECT_EQ(input(), pasted);
    undo(1, 1, 1);
    EXPECT_EQ(input(), sample);

    paste(into, QStringLiteral("6 6"));  // a paste after an undone block
    undo(1, 0, 0);
    EXPECT_EQ(input(), sample);
    press(into, QKeySequence(Qt::CTRL | Qt::Key_Y));
    press(into, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(input(), with(sample, {{0, 0, "6"}, {0, 1, "6"}})) << "the undone block is gone";

    // Typing on after a step elsewhere was undone is a step of its own.
    QTest::keyClicks(&into, QStringLiteral("3"));
    paste(inputCell(2, 5), QStringLiteral("8"));
    undo(1, 0, 0);
    QTest::keyClicks(&into, QStringLiteral("4"));
    undo(1, 0, 0);
    EXPECT_EQ(into.text(), "36");

    // So is typing again once the focus left the cell and came back.
    QLineEdit& again = inputCell(2, 2);
    for (const QString& typed : {QStringLiteral("1"), QStringLiteral("2")}) {
        inputCell(2, 3).setFocus(Qt::TabFocusReason);
        again.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&again, Qt::Key_End);
        QTest::keyClicks(&again, typed);
    }
    undo(1, 2, 2);
    EXPECT_EQ(again.text(), "-11");
}

// The history keeps the last 100 steps and about 4 MiB of text, each step
// the text before and after it, and drops only whole steps, the oldest
// first: undoing all leads back to the paste before the earliest kept.
TEST_F(TypingAndPastingTest, TheHistoryIsBoundedInStepsAndText)
{
    constexpr int kPastes = 110;
    constexpr qsizetype kTextBytes = 4 * 1024 * 1024;
    QLineEdit& into = inputCell(0, 0);
    for (const qsizetype length : {qsizetype(1), qsizetype(into.maxLength())}) {
        const auto value = [&](int paste) { return QString(length, QChar(u'0' + paste % 10)); };
        click(*form_, names::kClearButton);
        for (int paste = 1; paste <= kPastes; ++paste) {
            into.selectAll();
            this->paste(into, value(paste));
        }
        int stepsBack = 0;
        for (QString before = into.text(); press(into, QKeySequence::Undo), into.text() != before; before = into.text())
            ++stepsBack;
        const qsizetype stepBytes = 2 * length * qsizetype(sizeof(QChar));
        EXPECT_EQ(into.text(), value(kPastes - stepsBack)) << length;
        EXPECT_LE(stepsBack, 100) << length;
        EXPECT_LE(stepsBack * stepBytes, kTextBytes) << length;
        EXPECT_TRUE(stepsBack == 100 || (stepsBack + 1) * stepBytes > kTextBytes) << stepsBack << " of " << length;
    }
}

// A paste or a drop is read up to what a full grid holds, 18 full cells
// with their separators, before it is split into values; the cut is said
// on hover while the paste is the grid's latest step.
TEST_F(TypingAndPastingTest, APasteBeyondWhatTheGridHoldsIsCutBeforeItIsSplitAndSaysSo)
{
    QLineEdit& corner = inputCell(0, 0);
    const QString full(corner.maxLength(), u'7');
    const QString row = QStringList(kColumns, full).join(u'\t') + QStringLiteral("\r\n");
    const QString grid = row + row + row;
    const struct {
        const char* what;
        QString text;
        bool cut;
        QString below;  // what row 2, column 1 then holds
    } pastes[] = {
        {"a full grid", grid, false, full},
        {"a full grid and one character more", grid + u'8', true, full},
        {"a value longer than a cell", full + u'8', true, {}},
        {"a first line as long as a full grid", QStringLiteral("1\t") + QString(grid.size(), u' ') + QStringLiteral("\n9"), true, {}},
    };
    QWidget& frame = *form_->findChild<QWidget*>(toQString(names::kInputFrame));
    const QString note = QStringLiteral("Pasted text cut: a grid holds 18 values of at most 32,767 characters.");
    for (const auto& pasted : pastes) {
        click(*form_, names::kClearButton);
        paste(corner, pasted.text);
        EXPECT_EQ(inputCell(1, 0).text(), pasted.below) << pasted.what;
        EXPECT_EQ(hover(frame).contains(note), pasted.cut) << pasted.what;
        EXPECT_EQ(hover(corner).contains(note), pasted.cut) << pasted.what;
        press(corner, QKeySequence::Undo);
        EXPECT_FALSE(hover(frame).contains(note)) << pasted.what << ", undone";
    }
}

TEST_F(TypingAndPastingTest, TheMenusUndoAndRedoTakeTheBlockStepToo)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    auto& into = static_cast<CellEdit&>(inputCell(2, 4));
    paste(into, QStringLiteral("7;8;9\n3;4"));
    const GridTexts pasted = with(texts(kSampleInput), {{2, 4, "7"}, {2, 5, "8"}});
    ASSERT_EQ(input(), pasted) << "values beyond the edges are left out";
    const auto trigger = [&](const QString& command, bool enabled) {
        QMenu* menu = into.createEditMenu();
        for (QAction* action : menu->actions())
            if (action->text().section(u'\t', 0, 0) == command) {
                EXPECT_EQ(action->isEnabled(), enabled) << command.toStdString();
                action->trigger();
            }
        delete menu;
    };

    trigger(QStringLiteral("&Redo"), false);
    trigger(QStringLiteral("&Undo"), true);
    EXPECT_EQ(input(), texts(kSampleInput));
    trigger(QStringLiteral("&Redo"), true);
    EXPECT_EQ(input(), pasted);
}

TEST_F(TypingAndPastingTest, ADroppedValueReplacesTheCellsTextAndABlockFillsTheGrid)
{
    ASSERT_TRUE(activate(*form_));
    fillGrid(*form_, kInputRows, uniform(""));

    QLineEdit& single = inputCell(1, 1);
    single.setText(QStringLiteral("-7"));
    single.setCursorPosition(2);
    EXPECT_TRUE(drop(single, QStringLiteral("  4.5\r\n")));
    EXPECT_EQ(single.text(), "4.5");
    EXPECT_TRUE(single.hasFocus()) << "Ctrl+Z undoes a drop at once";
    press(single, QKeySequence::Undo);
    EXPECT_EQ(single.text(), "-7");
    single.setText({});

    QLineEdit& corner = inputCell(0, 4);
    EXPECT_TRUE(drop(corner, QStringLiteral("1\t2\t3\n4\t5\t6\n")));
    const GridTexts dropped = with(uniform(""), {{0, 4, "1"}, {0, 5, "2"}, {1, 4, "4"}, {1, 5, "5"}});
    EXPECT_EQ(input(), dropped);
    press(corner, QKeySequence::Undo);
    EXPECT_EQ(input(), uniform(""));
    press(corner, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(input(), dropped);
}

}  // namespace
}  // namespace rowsweep::ui::testing
