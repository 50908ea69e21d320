// What a screen reader and a keyboard user meet: every cell names its grid
// and its place, the link picture says what it does, and Tab reaches every
// cell and every button.

#include <set>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "grids.h"
#include "rowsweep/ui/main_window.h"
#include "rowsweep/ui/about_window.h"
#include "rowsweep/ui/solving_window.h"
#include "rowsweep/ui/maker_link.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

using AccessibilityTest = MainWindowTest;

struct NamedGrid {
    char window;  // '1' main window, '3' Solving window
    RowNames rows;
    const char* caption;
};

const NamedGrid kNamedGrids[] = {
    {'1', kInputRows, "Matrix"},       {'1', kResultRows, "Result Matrix"}, {'3', kSnapshotRows[0], "Step 1"},
    {'3', kSnapshotRows[1], "Step 2"}, {'3', kSnapshotRows[2], "Step 3"},   {'3', kSnapshotRows[3], "Step 4"},
    {'3', kSnapshotRows[4], "Step 5"}, {'3', kSnapshotRows[5], "Answer"},
};

TEST_F(AccessibilityTest, EveryCellNamesItsGridAndPlace)
{
    click(*form_, names::kClearButton);  // Clear creates the Solving window
    SolvingWindow* solving = form_->solvingWindow().loaded();
    ASSERT_NE(solving, nullptr);

    std::set<QString> names;
    int cells = 0;
    for (const NamedGrid& grid : kNamedGrids) {
        QWidget& window = grid.window == '1' ? static_cast<QWidget&>(*form_) : *solving;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const QString objectName = elementName(grid.rows[row], column);
                const QString name = cell(window, objectName).accessibleName();
                EXPECT_EQ(name, QStringLiteral("%1, row %2, column %3").arg(grid.caption).arg(row + 1).arg(column + 1))
                    << objectName.toStdString();
                names.insert(name);
                ++cells;
            }
    }
    EXPECT_EQ(cells, 144);
    EXPECT_EQ(names.size(), 144u) << "two cells share a spoken name";
}

TEST_F(AccessibilityTest, PictureAndLinkSayWhatTheyOpen)
{
    auto* picture = form_->findChild<QLabel*>(toQString(names::kMakerPicture));
    auto* link = form_->aboutWindow().get().findChild<QLabel*>(toQString(names::kMakerLink));
    for (QLabel* control : {picture, link}) {
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_TRUE(control->accessibleDescription().contains(QLatin1String(kMakerAddress)))
            << control->objectName().toStdString();
    }
}

TEST_F(AccessibilityTest, TabReachesEveryCellAndButtonOfTheMainWindow)
{
    ASSERT_TRUE(activate(*form_));
    std::set<QString> reached;
    for (int presses = 0; presses < 60; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        reached.insert(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (const std::string_view button : {names::kSolveButton, names::kClearButton, names::kSampleButton, names::kAboutButton, names::kExitButton, names::kWatchButton})
        EXPECT_TRUE(reached.count(toQString(button))) << button << " is not reached by Tab";
    for (const RowNames& rows : {kInputRows, kResultRows})
        for (const std::string_view row : rows)
            for (int column = 0; column < kColumns; ++column)
                EXPECT_TRUE(reached.count(elementName(row, column))) << row << '(' << column << ')';
    // 36 cells and 6 buttons, nothing else takes the focus.
    EXPECT_EQ(reached.size(), 42u);
}

}  // namespace
}  // namespace rowsweep::ui::testing
