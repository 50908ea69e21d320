// The main window's commands and the Solving window they fill, driven
// through the real widgets by object name.

#include <algorithm>

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "grids.h"
#include "worked_examples.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

class MainWindowCommandsTest : public MainWindowTest {
protected:
    [[nodiscard]] SolvingWindow* solving() const { return form_->solvingWindow().loaded(); }

    // Sample, Solve, Watch: the Solving window shown with snapshots in it.
    SolvingWindow& solveSampleAndWatch()
    {
        click(*form_, names::kSampleButton);
        click(*form_, names::kSolveButton);
        click(*form_, names::kWatchButton);
        if (solving() == nullptr || !solving()->isVisible())
            throw std::runtime_error("the Solving window is not shown");
        return *solving();
    }

    void expectAllSnapshots(const GridTexts& expected)
    {
        ASSERT_NE(solving(), nullptr);
        for (const RowNames& rows : kSnapshotRows)
            EXPECT_EQ(readGrid(*solving(), rows), expected) << rows[0];
    }

};

// Solve

class SolveTest : public MainWindowCommandsTest, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(SolveTest, FillsEverySnapshotAndTheResultWithoutShowingTheSolvingWindow)
{
    const WorkedExample& example = GetParam();
    solve(texts(example.input), example.warns);

    ASSERT_NE(solving(), nullptr) << "Solve creates the Solving window";
    EXPECT_FALSE(solving()->isVisible()) << "Solve never shows the Solving window";
    for (std::size_t step = 0; step < kSnapshotRows.size(); ++step)
        EXPECT_EQ(readGrid(*solving(), kSnapshotRows[step]), texts(example.snapshots[step])) << "snapshot " << step + 1;
    EXPECT_EQ(readGrid(*form_, kResultRows), texts(example.snapshots.back()));
    EXPECT_EQ(readGrid(*form_, kInputRows), texts(example.input)) << "the input is left as typed";

    if (example.warns) {
        ASSERT_EQ(seenBoxes_.size(), 1U);
        const SeenBox& box = seenBoxes_.front();
        EXPECT_EQ(box.title, QString::fromUtf8(kMathErrorTitle));
        EXPECT_EQ(box.text, "Probably this system do not have a solving");
        EXPECT_EQ(box.icon, QMessageBox::Information);
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box.resultsBehind, texts(example.snapshots.back())) << "the results are written before the box";
    } else {
        EXPECT_TRUE(seenBoxes_.empty());
    }
}

// The engine's tests reduce every worked example; the windows show one
// that ends quietly and one that warns.
std::vector<WorkedExample> shownExamples()
{
    return {kWorkedExamples[0], *std::find_if(std::begin(kWorkedExamples), std::end(kWorkedExamples),
                                              [](const WorkedExample& example) { return example.warns; })};
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SolveTest, ::testing::ValuesIn(shownExamples()),
                         [](const auto& example) { return std::string(example.param.name); });

// Shown before any Solve, the Solving window is empty and carries the main
// window's picture; Solve writes into it in place, Sample leaves it alone,
// and closing it loses its snapshots. The session's test follows it on.
TEST_F(MainWindowCommandsTest, TheShownSolvingWindowFollowsTheCommandsUntilItIsClosed)
{
    click(*form_, names::kWatchButton);
    QPointer<SolvingWindow> shown = solving();
    ASSERT_TRUE(shown && shown->isVisible());
    EXPECT_EQ(shown->parentWidget(), nullptr) << "an independent top-level window";
    expectAllSnapshots(uniform(""));
    const QImage picture = form_->findChild<QLabel*>(toQString(names::kMakerPicture))->pixmap().toImage();
    EXPECT_EQ(shown->windowIcon().pixmap(32).toImage(), picture);
    shown->showMinimized();
    click(*form_, names::kWatchButton);
    EXPECT_FALSE(shown->isMinimized()) << "Watch brings it back from the task bar";

    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    EXPECT_EQ(solving(), shown.data()) << "the same window is written to";
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(readGrid(*shown, kSnapshotRows[3]), texts(kSampleStep4));
    const GridTexts result = readGrid(*form_, kResultRows);

    fillGrid(*form_, kInputRows, texts(kColumnZero));
    click(*form_, names::kSampleButton);
    EXPECT_EQ(readGrid(*form_, kInputRows), texts(kSampleInput));
    EXPECT_EQ(readGrid(*form_, kResultRows), result) << "Sample replaces only the input";
    EXPECT_EQ(readGrid(*shown, kSnapshotRows[3]), texts(kSampleStep4));

    shown->close();
    // Until the closed window is deleted, a new reference must already see a new window.
    click(*form_, names::kWatchButton);
    flushDeferredDeletes();
    EXPECT_TRUE(shown.isNull()) << "closing destroys the window";
    ASSERT_NE(solving(), nullptr);
    expectAllSnapshots(uniform(""));
    EXPECT_EQ(solving()->windowIcon().pixmap(32).toImage(), picture) << "the icon is set again";
}

// Exit

enum class ExitAnswer { CancelButton, EscapeKey, BoxCloseButton };

class ExitCancelledTest : public MainWindowCommandsTest, public ::testing::WithParamInterface<ExitAnswer> {};

TEST_P(ExitCancelledTest, LeavesEverythingAsItWas)
{
    solveSampleAndWatch();
    const GridTexts result = readGrid(*form_, kResultRows);

    switch (GetParam()) {
    case ExitAnswer::CancelButton:
        answerBoxes({QMessageBox::Cancel});
        click(*form_, names::kExitButton);
        ASSERT_EQ(seenBoxes_.size(), 1U);
        EXPECT_EQ(seenBoxes_[0].title, "Exit");
        EXPECT_EQ(seenBoxes_[0].text, "Are you sure?");
        EXPECT_EQ(seenBoxes_[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(seenBoxes_[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(seenBoxes_[0].defaultButton, QMessageBox::Ok);
        EXPECT_EQ(seenBoxes_[0].escapeButton, QMessageBox::Cancel);
        break;
    case ExitAnswer::EscapeKey:
    case ExitAnswer::BoxCloseButton: {
        useRealMessageBoxes();
        expectModal(true);
        const bool escape = GetParam() == ExitAnswer::EscapeKey;
        bool sawBox = false;
        whenModalAppears([&](QWidget& modal) {
            sawBox = modal.windowTitle() == "Exit";
            if (escape)
                QTest::keyClick(&modal, Qt::Key_Escape);
            else
                modal.close();
        });
        click(*form_, names::kExitButton);
        expectModal(false);
        EXPECT_TRUE(sawBox);
        break;
    }
    }

    EXPECT_TRUE(form_->isVisible());
    ASSERT_NE(solving(), nullptr);
    EXPECT_TRUE(solving()->isVisible());
    EXPECT_EQ(readGrid(*form_, kInputRows), texts(kSampleInput));
    EXPECT_EQ(readGrid(*form_, kResultRows), result);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExitCancelledTest,
                         ::testing::Values(ExitAnswer::CancelButton, ExitAnswer::EscapeKey, ExitAnswer::BoxCloseButton));

enum class Ending { ExitConfirmed, MainWindowClosed };

class EndingTest : public MainWindowCommandsTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, DestroysEveryWindowAtOnceAndStopsTheEventLoop)
{
    QPointer<SolvingWindow> solvingWindow = &solveSampleAndWatch();
    int solvingCloses = 0;
    struct CloseCounter : QObject {
        int& count;
        explicit CloseCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Close ? 1 : 0;
            return false;
        }
    } counter(solvingCloses);
    solvingWindow->installEventFilter(&counter);

    const int exitCode = runEventLoop([&] {
        if (GetParam() == Ending::ExitConfirmed) {
            answerBoxes({QMessageBox::Ok});
            click(*form_, names::kExitButton);
        } else {
            form_->close();
        }
        EXPECT_TRUE(solvingWindow.isNull()) << "destroyed at once, not later";
    });

    EXPECT_EQ(exitCode, 0) << "the program's own request ended the loop";
    EXPECT_TRUE(solvingWindow.isNull());
    EXPECT_EQ(solvingCloses, 0) << "no close handling of the Solving window ran";
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(seenBoxes_.size(), GetParam() == Ending::ExitConfirmed ? 1U : 0U) << "closing never asks";
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTest, ::testing::Values(Ending::ExitConfirmed, Ending::MainWindowClosed));

// Image1

TEST_F(MainWindowCommandsTest, PictureOpensTheMakersPageOncePerClick)
{
    click(*form_, names::kMakerPicture);
    click(*form_, names::kMakerPicture);

    ASSERT_EQ(openedLinks_.size(), 2U);
    EXPECT_EQ(openedLinks_, std::vector<QUrl>(2, QUrl(QString::fromLatin1(kMakerAddress))));
    EXPECT_TRUE(form_->isVisible());
}

// Enter and Return press the button that has the focus.
TEST_F(MainWindowCommandsTest, EnterPressesTheFocusedButton)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* sample = form_->findChild<QPushButton*>(toQString(names::kSampleButton));
        auto* clear = form_->findChild<QPushButton*>(toQString(names::kClearButton));
        ASSERT_TRUE(sample != nullptr && clear != nullptr);
        ASSERT_TRUE(activate(*form_));

        sample->setFocus(Qt::TabFocusReason);
        QTest::keyClick(sample, key);
        EXPECT_EQ(readGrid(*form_, kInputRows), texts(kSampleInput)) << "key " << key;

        clear->setFocus(Qt::TabFocusReason);
        QTest::keyClick(clear, key);
        EXPECT_EQ(readGrid(*form_, kInputRows), uniform("")) << "key " << key;
    }
}

}  // namespace
}  // namespace rowsweep::ui::testing
