// The Practice window: the student takes the row operations, through the
// real windows as a user drives them.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "grids.h"
#include "rowsweep/engine/exercise.h"
#include "rowsweep/ui/windows/practice_window.h"

namespace rowsweep::ui::testing {
namespace {

class PracticeWindowTest : public MainWindowTest {
protected:
    // As a user opens it: from an input cell's menu.
    QWidget& openPractice()
    {
        QMenu& menu = openMenu(inputCell(0, 0));
        for (QAction* action : menu.actions())
            if (action->text() == QStringLiteral("Practice")) {
                menu.close();
                action->trigger();
            }
        QWidget* window = form_->practiceWindow().loaded();
        if (window == nullptr)
            throw std::runtime_error("no Practice window");
        EXPECT_TRUE(activate(*window));
        return *window;
    }

    template<typename Control>
    static Control& find(QWidget& window, std::string_view name)
    {
        return *window.findChild<Control*>(toQString(name));
    }

    static QStringList history(QWidget& window)
    {
        QStringList lines;
        const auto& list = find<QListWidget>(window, names::kHistory);
        for (int row = 0; row < list.count(); ++row)
            lines << list.item(row)->text();
        return lines;
    }
};

// One action of the student's and what the window shows after it.
struct Action {
    const char* type;         // typed into the operation line and entered, or
    QKeySequence keys;        // pressed in the history list (in the line after a type of ""), or
    std::string_view button;  // clicked
    const char* feedback;
    int operations;     // in the history
    const char* cell;   // what the practice grid shows in row 3, column 1
    const char* left;   // what the operation line holds after it
};

TEST_F(PracticeWindowTest, TakesOperationsUndoesThemAndHandsTheWorkIn)
{
    fillGrid(*form_, kInputRows, texts(kSampleInput));
    QWidget& window = openPractice();
    auto& line = find<QLineEdit>(window, names::kOperation);
    auto& list = find<QListWidget>(window, names::kHistory);
    auto& feedback = find<QLabel>(window, names::kFeedback);
    auto& progress = find<QLabel>(window, names::kProgress);
    EXPECT_EQ(progress.text(), "Columns done: none of 6");

    const Action actions[] = {
        {"R2 -> R2 - 4R1", {}, {}, "A legal step; no column is done yet", 1, "3", ""},
        {"r3 \u2192 r3 \u2212 3 r1", {}, {}, "Column 1 is done: its pivot is 1 and every other entry is 0", 2, "0", ""},
        {"R1 <-> R1", {}, {}, "Exchanging row 1 with itself changes nothing", 2, "0", "R1 <-> R1"},
        {"", QKeySequence::Undo, {}, "Exchanging row 1 with itself changes nothing", 2, "0", ""},  // the line's own
        {nullptr, QKeySequence::Undo, {}, "", 1, "3", ""},
        {"", QKeySequence(Qt::CTRL | Qt::Key_Y), {}, "", 1, "3", "R1 <-> R1"},  // the line's own redo
        {nullptr, QKeySequence(Qt::CTRL | Qt::Key_Y), {}, "", 2, "0", "R1 <-> R1"},
        {nullptr, {}, names::kHintButton, "Next: R1 \u2192 R1 + 2R2 (add 2 \u00d7 row 2 to row 1)", 2, "0", "R1 <-> R1"},
        {nullptr, {}, names::kRestartButton, "", 0, "3", "R1 <-> R1"},
        {nullptr, QKeySequence(Qt::CTRL | Qt::Key_Z), {}, "", 2, "0", "R1 <-> R1"},
        {nullptr, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), {}, "", 0, "3", "R1 <-> R1"},
        {nullptr, QKeySequence(Qt::CTRL | Qt::Key_Z), {}, "", 2, "0", "R1 <-> R1"},
        {"R1 -> R1 + 2R2", {}, {}, "A legal step; columns 1 to 1 stay done", 3, "0", ""},
        {"R2 -> R2 + R1", {}, {}, "This step undid column 1, which was already done", 4, "0", ""},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.type != nullptr ? action.type : action.keys.toString().toStdString());
        if (action.type != nullptr) {
            line.setFocus();
            if (action.keys.isEmpty()) {
                line.selectAll();
                line.insert(QString::fromUtf8(action.type));
            }
            if (action.keys.isEmpty())
                QTest::keyClick(&line, Qt::Key_Return);
            else
                press(line, action.keys);
        } else if (!action.keys.isEmpty()) {
            // Anywhere but in the line: the history, or a cell of the matrix.
            QWidget& target = action.operations % 2 == 0 ? static_cast<QWidget&>(list) : cell(window, elementName(names::kPracticeRows[1], 2));
            target.setFocus();
            press(target, action.keys);
        } else {
            click(window, action.button);
        }
        EXPECT_EQ(feedback.text(), QString::fromUtf8(action.feedback));
        EXPECT_EQ(line.accessibleDescription(), feedback.text());
        EXPECT_EQ(history(window).size(), action.operations);
        EXPECT_EQ(cell(window, elementName(names::kPracticeRows[2], 0)).text(), action.cell);
        EXPECT_EQ(line.text(), QString::fromUtf8(action.left));
        if (action.type != nullptr && action.keys.isEmpty()) {
            EXPECT_EQ(line.selectedText(), line.text()) << "a refused line is selected for mending";
            EXPECT_TRUE(line.hasFocus());
        }
    }
    const QStringList taken{"R2 \u2192 R2 \u2212 4R1", "R3 \u2192 R3 \u2212 3R1", "R1 \u2192 R1 + 2R2", "R2 \u2192 R2 + R1"};
    EXPECT_EQ(history(window), taken);

    // Back one, then on to the reduced form.
    list.setFocus();
    press(list, QKeySequence::Undo);
    QTest::keyClicks(&line, QStringLiteral("R3 - R2"));
    QTest::keyClick(&line, Qt::Key_Return);
    EXPECT_EQ(progress.text(), "Reduced row echelon form reached in 4 operations (the Gauss\u2013Jordan way from the "
                               "start takes 4)\nInfinitely many solutions: x3, x4, x5 free");

    QMenu& menu = openMenu(cell(window, elementName(names::kPracticeRows[0], 0)));
    for (QAction* action : menu.actions())
        if (action->text() == QStringLiteral("Copy All Steps")) {
            menu.close();
            action->trigger();
        }
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("\nOperation 4\nR3 \u2192 R3 \u2212 R2\n"))
        << QGuiApplication::clipboard()->text().toStdString();

    // Closed, the practice waits for the window to open again.
    window.close();
    flushDeferredDeletes();
    EXPECT_EQ(history(openPractice()).size(), 4);
}

TEST_F(PracticeWindowTest, StartsAnExerciseFromAnEmptyInputAndTypesItIntoTheMainWindow)
{
    QWidget& window = openPractice();
    auto& number = find<QLabel>(window, names::kExerciseNumber);
    ASSERT_TRUE(number.text().startsWith("Exercise "));
    find<QComboBox>(window, names::kExerciseKind).setCurrentIndex(2);
    click(window, names::kNewExerciseButton);
    const int drawn = number.text().section(u' ', 1).toInt();
    const Exercise exercise = makeExercise(drawn, ExerciseKind::NoSolution);
    click(window, names::kToMainWindowButton);
    const GridTexts typed = readGrid(*form_, kInputRows);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const bool inUse = column == kColumns - 1 || exercise.inUse[column];
            EXPECT_EQ(typed[row][column], inUse ? QString::number(exercise.entries[row][column]) : QString());
        }
    press(inputCell(0, 0), QKeySequence::Undo);
    EXPECT_EQ(readGrid(*form_, kInputRows), GridTexts{}) << "typed in as one step";

    // The keyboard reaches the line and its buttons, then the exercise.
    auto& line = find<QLineEdit>(window, names::kOperation);
    line.setFocus();
    for (std::string_view next : {names::kApplyButton, names::kHintButton, names::kExerciseKind, names::kNewExerciseButton}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), toQString(next));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&find<QLabel>(window, names::kFeedback))->role(),
              QAccessible::StatusBar);
}

}  // namespace
}  // namespace rowsweep::ui::testing
