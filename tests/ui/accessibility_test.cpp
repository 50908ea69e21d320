// What a screen reader and a keyboard user meet: every cell names its grid
// and its place, the link picture says what it does, and Tab reaches every
// cell and every button. What assistive technology is told about windows,
// frames, links and the About text is read here from the same accessible
// interfaces the desktop bridge reads.

#include <set>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "grids.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/windows/reduced_form_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
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
    for (const NamedGrid& grid : kNamedGrids) {
        QWidget& window = grid.window == '1' ? static_cast<QWidget&>(*form_) : *solving;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const QString objectName = elementName(grid.rows[row], column);
                const QString name = cell(window, objectName).accessibleName();
                EXPECT_EQ(name, QStringLiteral("%1, row %2, column %3").arg(grid.caption).arg(row + 1).arg(column + 1))
                    << objectName.toStdString();
                EXPECT_TRUE(names.insert(name).second) << "spoken twice: " << name.toStdString();
            }
    }
}

TEST_F(AccessibilityTest, PictureAndLinkSayWhatTheyOpen)
{
    auto* picture = form_->findChild<QLabel*>(toQString(names::kMakerPicture));
    auto* link = loadAbout(*form_).findChild<QLabel*>(toQString(names::kMakerLink));
    for (QLabel* control : {picture, link}) {
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_TRUE(control->accessibleDescription().contains(QLatin1String(kMakerAddress)))
            << control->objectName().toStdString();
    }
    EXPECT_TRUE(picture->toolTip().contains(QLatin1String(kMakerAddress))) << "and shows it on hover";
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

QAccessibleInterface& accessible(QObject* object)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    if (interface == nullptr)
        throw std::runtime_error("no accessible interface");
    return *interface;
}

// Presses a control as assistive technology does; false when it offers no press.
bool pressAccessibly(QWidget& control)
{
    QAccessibleActionInterface* actions = accessible(&control).actionInterface();
    if (actions == nullptr || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

TEST_F(AccessibilityTest, WindowsAreFramesAndAboutIsADialogModalWhileShown)
{
    click(*form_, names::kWatchButton);
    EXPECT_EQ(accessible(form_.get()).role(), QAccessible::Window);
    EXPECT_EQ(accessible(form_->solvingWindow().loaded()).role(), QAccessible::Window);
    bool shown = false;
    expectModal(true);
    whenModalAppears([&](QWidget& about) {
        shown = true;
        EXPECT_EQ(accessible(&about).role(), QAccessible::Dialog);
        EXPECT_TRUE(accessible(&about).state().modal);
        about.hide();
    });
    click(*form_, names::kAboutButton);
    expectModal(false);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(accessible(loadedAbout()).state().modal) << "hidden, it no longer claims the input";
}

TEST_F(AccessibilityTest, PressingALinkOpensTheMakersPageOnceUnlessAModalWindowBlocksIt)
{
    auto& picture = *form_->findChild<QWidget*>(toQString(names::kMakerPicture));
    ASSERT_TRUE(pressAccessibly(picture));
    EXPECT_EQ(openedLinks_.size(), 1U);
    expectModal(true);
    whenModalAppears([&](QWidget& about) {
        EXPECT_TRUE(pressAccessibly(*about.findChild<QWidget*>(toQString(names::kMakerLink))));
        pressAccessibly(picture);  // a click on the blocked main window does nothing either
        about.hide();
    });
    click(*form_, names::kAboutButton);
    expectModal(false);
    EXPECT_EQ(openedLinks_, std::vector<QUrl>(2, QUrl(QString::fromLatin1(kMakerAddress))));
    EXPECT_EQ(picture.focusPolicy(), Qt::NoFocus) << "the links stay out of the Tab order";
}

TEST_F(AccessibilityTest, FramesHoldTheirCellsAndNoSeparatorLine)
{
    click(*form_, names::kClearButton);  // creates the Solving window
    int frames = 0;
    for (QWidget* window : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(form_->solvingWindow().loaded())})
        for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            ++frames;
            QAccessibleInterface& grid = accessible(frame);
            EXPECT_EQ(grid.text(QAccessible::Name), frame->title());
            ASSERT_EQ(grid.childCount(), kRows * kColumns) << frame->title().toStdString();
            for (int i = 0; i < grid.childCount(); ++i)
                EXPECT_EQ(grid.child(i)->role(), QAccessible::EditableText) << frame->title().toStdString();
        }
    EXPECT_EQ(frames, 8);
}

TEST_F(AccessibilityTest, TheAboutTextIsNamedAndReadWithoutHelperParts)
{
    auto* text = loadAbout(*form_).findChild<QPlainTextEdit*>(toQString(names::kCreditsText));
    QAccessibleInterface& box = accessible(text);
    EXPECT_EQ(box.text(QAccessible::Name), "About Rowsweep");
    EXPECT_TRUE(box.state().readOnly);
    EXPECT_EQ(box.childCount(), 0);
    QAccessibleTextInterface* reading = box.textInterface();
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(reading->text(0, reading->characterCount()), text->toPlainText());
    reading->setSelection(0, 0, 8);
    EXPECT_EQ(text->textCursor().selectedText(), "Rowsweep");
}

// The verdict line is read as its sentence, its solution as its
// description, and it is never a stop of the Tab key; pressing it opens
// the Reduced Form window, a window whose cells are named by their frame.
TEST_F(AccessibilityTest, TheVerdictIsReadWithItsSolutionAndPressedOpensTheReducedForm)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    auto* verdict = form_->findChild<QLabel*>(toQString(names::kVerdict));
    ASSERT_NE(verdict, nullptr);
    QAccessibleInterface& line = accessible(verdict);
    EXPECT_EQ(line.text(QAccessible::Name), verdict->text());
    EXPECT_TRUE(verdict->toolTip().startsWith(QStringLiteral("x1 = ")));
    EXPECT_EQ(line.text(QAccessible::Description), verdict->toolTip()) << "the line fits, so its tooltip is the solution";
    EXPECT_EQ(verdict->focusPolicy(), Qt::NoFocus);

    ASSERT_NE(line.actionInterface(), nullptr);
    line.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QWidget* reduced = form_->reducedFormWindow().loaded();
    ASSERT_NE(reduced, nullptr);
    EXPECT_EQ(accessible(reduced).role(), QAccessible::Window);
    EXPECT_EQ(accessible(&cell(*reduced, QStringLiteral("Text61(2)"))).text(QAccessible::Name),
              "Answer, row 1, column 3");
    reduced->close();
    flushDeferredDeletes();
}

TEST_F(AccessibilityTest, TheMathErrorIconIsNamed)
{
    QStringList images;
    setMessageBoxHook([&](QMessageBox& box) {
        QAccessibleInterface& alert = accessible(&box);
        EXPECT_EQ(alert.role(), QAccessible::AlertMessage);
        for (int i = 0; i < alert.childCount(); ++i)
            if (alert.child(i)->role() == QAccessible::Graphic)
                images.append(alert.child(i)->text(QAccessible::Name));
        return QMessageBox::Ok;
    });
    click(*form_, names::kSampleButton);
    cell(*form_, elementName(names::kInputRows[2], 5)).setText("5");  // the third row no longer cancels
    click(*form_, names::kSolveButton);
    EXPECT_EQ(images, QStringList{"Information"});
}

}  // namespace
}  // namespace rowsweep::ui::testing
