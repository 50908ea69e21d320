// What a student reads in the cells: the start of every result, the whole
// value and its fraction on hover, the red mark on input that counted as
// 0, and pastes from spreadsheets and text files.

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include "grids.h"
#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/cells/cell_text_fitting.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

// Thirds and sevenths after Step 1 and Step 5; the third row stays zero.
constexpr Rows kThirdsAndSevenths{{{"3", "0", "1", "-4", "-1e20", "-8"},
                                   {"0", "7", "22", "1", "3.5", "-2"},
                                   {"0", "0", "0", "0", "0", "0"}}};

// How much of the cell is drawn in the red of a mark.
int redPixels(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            red += pixel.red() > 150 && pixel.green() < 80 && pixel.blue() < 80;
        }
    return red;
}

using ReadingResultsTest = MainWindowTest;

TEST_F(ReadingResultsTest, CellsWrittenByTheProgramShowTheStartOfTheirText)
{
    fillGrid(*form_, kInputRows, texts(kThirdsAndSevenths));
    click(*form_, names::kSolveButton);
    click(*form_, names::kWatchButton);

    std::vector<QLineEdit*> written;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            written.push_back(&resultCell(row, column));
            for (const RowNames& rows : kSnapshotRows)
                written.push_back(&cell(form_->solvingWindow().get(), elementName(rows[row], column)));
        }
    for (QLineEdit* edit : written) {
        (void)edit->grab();  // the scroll position follows the cursor when painted
        EXPECT_EQ(edit->cursorPosition(), 0) << edit->objectName().toStdString() << " " << edit->text().toStdString();
        EXPECT_LT(edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), edit->width() / 2) << edit->objectName().toStdString();
    }
    EXPECT_EQ(resultCell(0, 4).text(), "-3.33333333333333e+19");

    // Typing is left alone while it goes on; once the user moves on, the
    // typed text too shows its start.
    ASSERT_TRUE(activate(*form_));
    QLineEdit& typed = inputCell(0, 0);
    typed.setFocus();
    typed.clear();
    QTest::keyClicks(&typed, QStringLiteral("-123456.789"));
    EXPECT_EQ(typed.cursorPosition(), typed.text().size());
    // Another window taking the focus for a while keeps the place.
    ASSERT_TRUE(activate(form_->solvingWindow().get()));
    ASSERT_TRUE(activate(*form_));
    EXPECT_TRUE(typed.hasFocus());
    EXPECT_EQ(typed.cursorPosition(), typed.text().size());
    QTest::keyClick(&typed, Qt::Key_Tab);
    ASSERT_FALSE(typed.hasFocus());
    EXPECT_EQ(typed.cursorPosition(), 0);
}

TEST_F(ReadingResultsTest, HoverShowsTheWholeValueAndTheFractionItStandsFor)
{
    fillGrid(*form_, kInputRows, texts(kThirdsAndSevenths));
    click(*form_, names::kSolveButton);

    struct Hover {
        int row;
        int column;
        const char* tip;  // empty: the text fits and says all
    };
    // Which fraction a text stands for is the steps library's to say.
    const Hover hovers[] = {
        {0, 0, ""}, {0, 2, "0.333333333333333 ≈ 1/3"}, {0, 4, "-3.33333333333333e+19"}, {1, 4, ""},  // 0.5
    };
    for (const Hover& expected : hovers)
        EXPECT_EQ(hover(resultCell(expected.row, expected.column)), QString::fromUtf8(expected.tip))
            << expected.row << ", " << expected.column;

    // A cell that says all leaves the hover to its frame, which explains the stage.
    click(*form_, names::kWatchButton);
    SolvingWindow& solving = *form_->solvingWindow().loaded();
    EXPECT_EQ(hover(cell(solving, elementName(kSnapshotRows[0][0], 0))), "Divide row 1 by 3");
    EXPECT_EQ(hover(cell(solving, elementName(kSnapshotRows[0][0], 2))), QString::fromUtf8("0.333333333333333 ≈ 1/3"));

    // Typed input is read the same way; a fraction is named only where it
    // gives exactly the text, as a cell writes it.
    inputCell(2, 5).setText(QStringLiteral("0.333333333333333"));
    EXPECT_EQ(hover(inputCell(2, 5)), QString::fromUtf8("0.333333333333333 ≈ 1/3"));
    inputCell(2, 5).setText(QStringLiteral("0.3333333333333333"));
    EXPECT_EQ(hover(inputCell(2, 5)), QString::fromUtf8("0.3333333333333333"));
}

// A cell not being edited draws a text too wide for it as its shownText
// at its shownPointSize; its text, as read and copied, stays whole, and
// the user edits the real text.
TEST_F(ReadingResultsTest, ACutValueIsDrawnAsItsShownTextWhileItsTextStaysWhole)
{
    fillGrid(*form_, kInputRows, texts(kThirdsAndSevenths));
    inputCell(2, 0).setText(QStringLiteral("not a number at all"));
    click(*form_, names::kSolveButton);
    QLineEdit& cut = resultCell(0, 4);
    const QString shown = cut.property("shownText").toString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("-3.3")) && shown.endsWith(QStringLiteral("…\ne+19")))
        << "the exponent on a line of its own: " << shown.toStdString();
    EXPECT_NEAR(cut.property("shownPointSize").toReal() / QFontInfo(cut.font()).pointSizeF(), kSmallestCellTextScale,
                0.05)
        << "shortened only at the smallest size";
    const QImage twoLines = cut.grab().toImage();
    int top = twoLines.height();
    int bottom = -1;
    for (int y = 3; y < twoLines.height() - 3; ++y)
        for (int x = 3; x < twoLines.width() - 3; ++x)
            if (qGray(twoLines.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = y;
            }
    QFont shownFont = cut.font();
    shownFont.setPointSizeF(cut.property("shownPointSize").toReal());
    EXPECT_GT(bottom - top, QFontMetrics(shownFont).height()) << "the exponent drawn below the digits";
    EXPECT_EQ(cut.text(), "-3.33333333333333e+19");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&cut)->text(QAccessible::Value), "-3.33333333333333e+19");

    QLineEdit& sevenths = resultCell(1, 2);  // 22/7, shortened on one line
    QLineEdit& reference = resultCell(2, 1);
    QFont smaller = sevenths.font();
    smaller.setPixelSize(qRound(sevenths.property("shownPointSize").toReal() * sevenths.logicalDpiY() / 72));
    reference.setFont(smaller);
    reference.setText(sevenths.property("shownText").toString());
    reference.setCursorPosition(0);  // as the program leaves a cell it writes
    EXPECT_TRUE(reference.text().startsWith(QStringLiteral("3.14"))) << reference.text().toStdString();
    EXPECT_EQ(sevenths.grab().toImage(), reference.grab().toImage()) << "drawn as it says";

    QLineEdit& marked = inputCell(2, 0);
    const QImage markedImage = marked.grab().toImage();
    EXPECT_GT(redPixels(marked), 0) << "a shortened text is drawn red while marked";

    ASSERT_TRUE(activate(*form_));
    marked.setFocus();
    EXPECT_EQ(marked.property("shownText").toString(), marked.text()) << "the real text shows for editing";
    EXPECT_NE(marked.grab().toImage(), markedImage);
}

// After a Solve from the main window, the Solving window's explanations
// show on hover without a click to bring that window up, and so do the
// result grid's while the Solving window is the active one.
TEST_F(ReadingResultsTest, ExplanationsShowOnHoverWhileTheirWindowIsInactive)
{
    fillGrid(*form_, kInputRows, texts(kThirdsAndSevenths));
    click(*form_, names::kWatchButton);
    SolvingWindow& solving = *form_->solvingWindow().loaded();
    click(*form_, names::kSolveButton);
    auto* step1 = solving.findChild<QWidget*>(toQString(names::kStageFrames[0]));
    ASSERT_NE(step1, nullptr);

    const struct {
        QWidget* window;
        QWidget* active;
        QWidget* hovered;
        QPoint at;
        const char* tip;
    } hovers[] = {
        {&solving, form_.get(), step1, {6, step1->height() / 2}, "Divide row 1 by 3"},
        {form_.get(), &solving, &resultCell(0, 2), resultCell(0, 2).rect().center(), "0.333333333333333 ≈ 1/3"},
    };
    for (const auto& hover : hovers) {
        ASSERT_TRUE(activate(*hover.active));
        ASSERT_FALSE(hover.window->isActiveWindow());
        dismissToolTip();
        QTest::mouseMove(hover.window->windowHandle(), hover.hovered->mapTo(hover.window, hover.at));
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000)) << hover.tip;
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8(hover.tip));
    }
}

TEST_F(ReadingResultsTest, InputThatCountedAsZeroIsMarkedUntilItChanges)
{
    fillGrid(*form_, kInputRows,
             texts({{{"1", "0", "0", "0", "1,5", "1"}, {"0", "1", "0", "0", "", "2"}, {"0", "0", "0", "0", "  ", "0"}}}));
    QLineEdit& unread = inputCell(0, 4);
    const QColor usualText = unread.palette().color(QPalette::Text);

    click(*form_, names::kSolveButton);

    EXPECT_TRUE(seenBoxes_.empty()) << "no message of its own";
    EXPECT_EQ(readGrid(*form_, kResultRows)[0][4], "0") << "still counted as 0";
    EXPECT_GT(redPixels(unread), 0);
    EXPECT_EQ(hover(unread), "Not a number: counted as 0");
    EXPECT_EQ(unread.accessibleDescription(), "Not a number: counted as 0");
    for (const auto& [row, column] : {std::pair{0, 0}, {1, 4}, {2, 4}}) {
        EXPECT_EQ(inputCell(row, column).palette().color(QPalette::Text), usualText) << row << ", " << column;
        EXPECT_EQ(hover(inputCell(row, column)), "") << row << ", " << column;
    }
    EXPECT_EQ(redPixels(inputCell(0, 0)), 0);

    QTest::keyClick(&unread, Qt::Key_End);
    QTest::keyClick(&unread, Qt::Key_Backspace);
    EXPECT_EQ(unread.palette().color(QPalette::Text), usualText) << "an edit takes the mark away";
    EXPECT_EQ(hover(unread), "");

    click(*form_, names::kSolveButton);
    ASSERT_GT(redPixels(unread), 0) << "\"1,\" is not a number either";
    click(*form_, names::kClearButton);
    EXPECT_EQ(unread.palette().color(QPalette::Text), usualText) << "Clear takes the mark away";
    EXPECT_TRUE(unread.accessibleDescription().isEmpty());
}

struct PasteCase {
    const char* name;
    const char* clipboard;
    int row;
    int column;
    Rows expected;  // the input grid after the paste, from the sample
};

const PasteCase kPastes[] = {
    {"a value and a line break", "1.5\n", 0, 0,
     {{{"1.5", "-2", "3", "0", "4", "1"}, {"4", "-7", "2", "1", "0", "3"}, {"3", "-5", "-1", "1", "-4", "2"}}}},
    {"a 3 x 6 spreadsheet block", "9\t8\t7\t6\t5\t4\r\n3\t2\t1\t0\t-1\t-2\r\n.5\t\t1e3\t-0\t2,5\t7\r\n", 0, 0,
     {{{"9", "8", "7", "6", "5", "4"}, {"3", "2", "1", "0", "-1", "-2"}, {".5", "", "1e3", "-0", "2,5", "7"}}}},
    {"a block over the edge", "1;2;3\n4;5;6\n7;8;9", 2, 4,
     {{{"1", "-2", "3", "0", "4", "1"}, {"4", "-7", "2", "1", "0", "3"}, {"3", "-5", "-1", "1", "1", "2"}}}},
};

// How pasted text splits is the cells' own rule; here a value and blocks
// reach the grid by either paste key.
TEST_F(ReadingResultsTest, PasteDropsBlanksAndFillsTheGridWithABlock)
{
    // Ctrl+V, Shift+Insert, and the menu's Paste (empty keys).
    const QKeySequence ways[] = {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert), {}};
    for (const PasteCase& pasted : kPastes) {
        for (const QKeySequence& keys : ways) {
            fillGrid(*form_, kInputRows, texts(kSampleInput));
            QLineEdit& into = inputCell(pasted.row, pasted.column);
            into.selectAll();
            if (keys.isEmpty()) {
                QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted.clipboard));
                QMenu& menu = openMenu(into);
                for (QAction* action : menu.actions())
                    if (action->text().startsWith(QLatin1String("&Paste")))
                        action->trigger();
                menu.close();
                flushDeferredDeletes();
            } else {
                paste(into, QString::fromUtf8(pasted.clipboard), keys);
            }
            EXPECT_EQ(readGrid(*form_, kInputRows), texts(pasted.expected))
                << pasted.name << " with " << keys.toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace rowsweep::ui::testing
