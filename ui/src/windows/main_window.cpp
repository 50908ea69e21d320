#include "rowsweep/ui/windows/main_window.h"

#include <array>

#include <QCloseEvent>
#include <QCoreApplication>

#include "rowsweep/engine/sample_matrix.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/ui/desktop/accessibility.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/classic_button.h"
#include "rowsweep/ui/look/pictures.h"
#include "rowsweep/ui/look/verdict_line.h"
#include "rowsweep/ui/look/window_style.h"
#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/windows/practice_window.h"
#include "rowsweep/ui/windows/reduced_form_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "main_window_controls.h"
#include "result_hints.h"

namespace rowsweep::ui {

using namespace main_window;

namespace {

// A window beside this one, without an owner, so the user may switch
// between them freely; a minimised one is restored.
void bringToFront(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

MainWindow::MainWindow(std::optional<steps::Arithmetic> forThisRun, QWidget* parent)
    : QWidget(parent, kMinimizeCloseWindow)
    , picture_(makerPicture())
    , session_(forThisRun)
    , about_([] { return new AboutWindow; })
    , solving_([this] { return new SolvingWindow(session_, picture_); })
    , reducedForm_([this] { return new ReducedFormWindow(session_, picture_); })
    , practice_([this] {
        return new PracticeWindow(session_, picture_,
                                  {[this] { return input_->texts(); },
                                   [this](const steps::CellTexts& texts) { input_->writeTexts(texts); }});
    })
{
    installAccessibility();
    setObjectName(toQString(names::kMainWindow));
    setWindowTitle(QStringLiteral("Rowsweep"));
    setWindowIcon(QIcon(tablePicture()));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    centreWhenFirstShown(*this);
    buildControls();
    connect(&session_, &Session::solved, this, &MainWindow::showSolve);
    connect(&session_, &Session::cleared, this, &MainWindow::clearShown);
    connect(&session_, &Session::warned, this, [this] { showMathError(this); });
    connect(&session_, &Session::reducedFormWanted, this, &MainWindow::openReducedForm);
    connect(&session_, &Session::practiceWanted, this, &MainWindow::openPractice);
    addPrintShortcut(*this, [this] { return result_->shownSolve(); });
    input_->cell(0, 0)->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    struct CommandButton {
        const ControlPlacement& placement;
        void (MainWindow::*clicked)();
        QPixmap (*picture)() = nullptr;  // a graphical button shows it above its caption
    };
    // From top to bottom, as they stand in the window.
    const std::array<CommandButton, 6> buttons{{
        {kSampleButton, &MainWindow::sampleClicked},
        {kSolveButton, &MainWindow::solveClicked},
        {kClearButton, &MainWindow::clearClicked},
        {kWatchButton, &MainWindow::watchClicked},
        {kAboutButton, &MainWindow::aboutClicked, &aboutPicture},
        {kExitButton, &MainWindow::exitClicked},
    }};

    input_ = new CellGridView(kInputFrame, kInputGrid, session_, this);
    result_ = new CellGridView(kResultFrame, kResultGrid, session_, this);
    result_->offerSteps();
    std::vector<TabStop> tabStops{{kInputFrame.tabIndex, input_}, {kResultFrame.tabIndex, result_}};

    for (const CommandButton& command : buttons) {
        const QString caption = captionText(command.placement.caption);
        auto* button = place(command.picture != nullptr ? new ClassicButton(caption, this, command.picture())
                                                        : new ClassicButton(caption, this),
                             command.placement);
        connect(button, &QPushButton::clicked, this, command.clicked);
        tabStops.push_back({command.placement.tabIndex, button});
    }
    // Enter in the last input cell goes on to "Solve".
    input_->setAfterLastCell(findChild<QPushButton*>(toQString(names::kSolveButton)));

    auto* picture = place(new ClickableLabel(this), kMakerPicture);
    picture->setPixmap(picture_);
    picture->setCursor(handCursor());
    picture->setToolTip(makerAddressTooltip());
    describeMakerLink(*picture);
    connect(picture, &ClickableLabel::clicked, this, &openMakerPage);

    verdict_ = place(new VerdictLine(this), kVerdict);
    verdict_->setCursor(pointingHandCursor());
    connect(verdict_, &ClickableLabel::clicked, &session_, &Session::showReducedForm);

    const std::array<CellGridView*, 2> grids{input_, result_};
    addCellTabStops(tabStops, grids, kCellTabOrder);
    chainTabOrder(std::move(tabStops));
}

// The session reads the cells and works the Solve out; every window that
// shows it follows, and the warning comes once they all do.
void MainWindow::solveClicked()
{
    session_.solve(input_->texts());
}

// Empties all eight grids; the Solving window is created hidden for it
// when it does not exist.
void MainWindow::clearClicked()
{
    input_->clear();
    session_.clear();
}

// A cell that counted as 0 without being blank is marked, so that no
// input is lost unseen. The Solving window is written even while hidden,
// and created for it; "Solve" never shows it.
void MainWindow::showSolve(const Session::Solution& solution)
{
    input_->markUnread(solution->unread, session_.input());
    result_->showNumbers(steps::stageNumbers(*solution, kStageCount - 1));
    const QString hints = resultHints(*solution).join(u'\n');
    result_->setToolTip(hints);
    result_->setCellHint(solution->residue, hints);
    verdict_->showLine(steps::verdictLine(solution->verdict), steps::solutionLines(solution->verdict).join(u'\n'));
    // One created just now was not there to observe this Solve.
    if (solving_.loaded() == nullptr)
        solving_.get().showSolution(*solution);
}

void MainWindow::clearShown()
{
    result_->clear();
    result_->setToolTip({});
    result_->setCellHint({}, {});
    verdict_->showLine({}, {});
    solving_.get();
}

void MainWindow::sampleClicked()
{
    std::array<std::array<QString, kColumns>, kRows> sample;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            sample[row][column] = toQString(kSampleMatrix[row][column]);
    input_->writeTexts(sample);
}

// Waits until the About window is hidden or closed; meanwhile the other
// windows take no input.
void MainWindow::aboutClicked()
{
    about_.get().exec();
}

void MainWindow::exitClicked()
{
    if (confirmExit(this))
        endProgram();
}

// Shows the Solving window beside this one.
void MainWindow::watchClicked()
{
    bringToFront(solving_.get());
}

// The way to the solution of the Solve on show, from the verdict line or a
// cell's menu of any window; created, it shows that Solve, and opened
// again, it is only brought to the front.
void MainWindow::openReducedForm()
{
    bringToFront(reducedForm_.get());
}

// From any cell's menu or --practice; closed, the practice goes on where it
// was when it is opened again.
void MainWindow::openPractice()
{
    bringToFront(practice_.get());
}

// Closing the main window ends the program without asking.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!ending_)
        endProgram();
    event->accept();
}

// Ending is immediate: the other windows are destroyed without their close
// handling, this one disappears, and the event loop is told to stop; the
// entry point destroys this window when the loop returns.
void MainWindow::endProgram()
{
    ending_ = true;
    about_.destroy();
    solving_.destroy();
    reducedForm_.destroy();
    practice_.destroy();
    hide();
    QCoreApplication::quit();
}

}  // namespace rowsweep::ui
