#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/windows/main_window.h"

namespace rowsweep::ui {
class AboutWindow;
}

namespace rowsweep::ui::testing {

using GridTexts = std::array<std::array<QString, kColumns>, kRows>;

// What a message box showed, as the hook received it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
    // The result grid of the window the box stands over, as the user sees
    // it while the box is open; empty over a window without one.
    std::optional<GridTexts> resultsBehind;
};

// Every UI test gets: message boxes answered from a script instead of a
// modal loop, a link opener that only records, a watchdog that fails the
// test and closes any modal window it did not expect, and a check that the
// test left no top-level window behind.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Answers for the next message boxes, in order. A box without an
    // answer fails the test and is answered Cancel (or OK if it has no Cancel).
    void answerBoxes(std::vector<QMessageBox::StandardButton> answers);
    void useRealMessageBoxes();

    // While set, the watchdog tolerates one modal window for a few seconds.
    void expectModal(bool expected) { modalExpected_ = expected; }

    // Runs `action` on the modal window once it appears (polled from the event loop).
    void whenModalAppears(std::function<void(QWidget&)> action);

    // Runs the application's event loop until something ends it; fails the
    // test and stops the loop after a few seconds. Returns the loop's exit code.
    int runEventLoop(std::function<void()> start);

    static void flushDeferredDeletes();
    static void click(QWidget& window, std::string_view name);
    static QLineEdit& cell(QWidget& window, const QString& name);
    static GridTexts readGrid(QWidget& window, const names::GridRows& rows);
    static void fillGrid(QWidget& window, const names::GridRows& rows, const GridTexts& texts);
    static bool activate(QWidget& window);
    static void press(QWidget& widget, const QKeySequence& keys);
    // Puts the text on the clipboard and pastes it with the keys.
    static void paste(QWidget& into, const QString& text, const QKeySequence& keys = QKeySequence::Paste);
    // Opens the cell's menu with the menu key, as a user would.
    static QMenu& openMenu(QLineEdit& cell);
    // What a hover over the middle of the widget shows, as the user sees it.
    static QString hover(QWidget& widget);
    // A hidden tooltip lingers as a top-level window for a while.
    static void dismissToolTip();
    // The About window, found by its object name as automation finds it;
    // null while none is loaded.
    static AboutWindow* loadedAbout();
    // Shows the About window from the main window and hides it with Ok at
    // once, leaving it loaded and hidden.
    AboutWindow& loadAbout(QWidget& mainWindow);

    std::vector<SeenBox> seenBoxes_;
    std::vector<QUrl> openedLinks_;

private:
    void watch();

    std::deque<QMessageBox::StandardButton> answers_;
    std::set<QWidget*> topLevelsAtStart_;
    QTemporaryDir settingsFolder_;  // each test remembers its own choices
    std::unique_ptr<QTimer> watchdog_;
    QElapsedTimer modalAge_;
    QWidget* lastModal_ = nullptr;
    bool modalExpected_ = false;
};

// A UI test around a fresh main window, shown as at start-up.
class MainWindowTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Types the input into the main window and presses Solve, answering
    // the "Math error" box when the input is expected to raise it.
    void solve(const GridTexts& input, bool warns);

    QLineEdit& inputCell(int row, int column) { return cell(*form_, elementName(names::kInputRows[row], column)); }
    QLineEdit& resultCell(int row, int column) { return cell(*form_, elementName(names::kResultRows[row], column)); }

    std::unique_ptr<MainWindow> form_;
};

}  // namespace rowsweep::ui::testing
