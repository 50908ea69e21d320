#include "rowsweep/ui/windows/main_window.h"

#include <array>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "rowsweep/engine/sample_matrix.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/solve.h"
#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/steps/warning_hint.h"
#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/desktop/accessibility.h"
#include "rowsweep/ui/cells/cell_grid_view.h"
#include "rowsweep/ui/look/classic_button.h"
#include "rowsweep/ui/look/clickable_label.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/look/pictures.h"
#include "rowsweep/ui/windows/reduced_form_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "rowsweep/ui/look/verdict_line.h"
#include "rowsweep/ui/look/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr int kClientWidth = 7425;
constexpr int kClientHeight = 4815;

//: The frame around the grid the student types the matrix into.
constexpr ControlPlacement kInputFrame{names::kInputFrame, QT_TRANSLATE_NOOP("Caption", "Matrix"), {360, 240, 4215, 1935}, 0};
//: The frame around the grid that shows the reduced matrix.
constexpr ControlPlacement kResultFrame{names::kResultFrame, QT_TRANSLATE_NOOP("Caption", "Result Matrix"), {360, 2520, 4215, 1935}, 19};
constexpr ControlPlacement kMakerPicture{names::kMakerPicture, "", {6000, 4080, 480, 480}, kNoTabIndex};
// In the strip below the result; it takes no focus.
constexpr ControlPlacement kVerdict{names::kVerdict, "", {360, 4500, 5520, 255}, kNoTabIndex};

constexpr std::array<int, kRows> kRowTops{360, 840, 1320};
constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

constexpr GridPlacement kInputGrid{names::kInputRows, kRowTops, kRowHeights, {names::kInputLine, kNotAnElement, 3360, 120, 1920}};
constexpr GridPlacement kResultGrid{names::kResultRows, kRowTops, kRowHeights, {names::kResultLine, kNotAnElement, 3360, 120, 1920}};

enum Grid { Input, Result };

// The fourth input cell is reached only after the last input cell, and
// "Solve" sits between the first and second columns of the result grid.
constexpr std::array<CellTabRun, 11> kCellTabOrder{{
    {1, Input, 0, 0, 2},
    {4, Input, 0, 4, 5},
    {6, Input, 1, 0, 5},
    {12, Input, 2, 0, 5},
    {18, Input, 0, 3, 3},
    {20, Result, 2, 0, 0},
    {21, Result, 1, 0, 0},
    {22, Result, 0, 0, 0},
    {24, Result, 0, 1, 5},
    {29, Result, 1, 1, 5},
    {34, Result, 2, 1, 5},
}};

// Where the floating-point warning misleads, the result grid says so.
QStringList resultHints(const steps::WorkedSolution& solution)
{
    QStringList hints;
    if (solution.warningFromRounding)
        hints << steps::misleadingWarningHint(solution);
    if (solution.warned && solution.verdict.solvable)
        hints << steps::solutionsDespiteWarning();
    return hints;
}

// The cells of row 3 of a floating-point answer that the warning counts as
// not zero (an infinity or NaN among them): the residue it comes from.
CellMask residueCells(const steps::WorkedSolution& solution)
{
    return solution.residue;
}

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
    , arithmetic_(forThisRun)
    , about_([] { return new AboutWindow; })
    , solving_([this] { return new SolvingWindow(picture_, arithmetic_, [this] { openReducedForm(); }); })
    , reducedForm_([this] { return new ReducedFormWindow(picture_, arithmetic_, [this] { openReducedForm(); }); })
{
    installAccessibility();
    setObjectName(toQString(names::kMainWindow));
    setWindowTitle(QStringLiteral("Rowsweep"));
    setWindowIcon(QIcon(tablePicture()));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    centreWhenFirstShown(*this);
    buildControls();
    // Closing the Solving window loses its snapshots, and with them the
    // steps the result grid offers to copy.
    solving_.onRelease([this] {
        input_->holdSolution(nullptr);
        result_->holdSolution(nullptr);
    });
    addPrintShortcut(*this, [this] { return result_->heldSolution(); });
    // Results on show are worked out again in the arithmetic just chosen,
    // exactly as "Solve" would.
    connect(&arithmetic_, &ArithmeticSetting::changed, this, [this] {
        if (shown_)
            solveClicked();
    });
    input_->cell(0, 0)->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    struct CommandButton {
        ControlPlacement placement;
        void (MainWindow::*clicked)();
        QPixmap (*picture)() = nullptr;  // a graphical button shows it above its caption
    };
    // From top to bottom, as they stand in the window. The buttons are 113
    // pixels wide; a longer caption wraps onto a second line, and the About
    // button's caption has one line below its picture.
    static constexpr std::array<CommandButton, 6> kButtons{{
        //: Button: fills the input grid with an example matrix.
        {{names::kSampleButton, QT_TRANSLATE_NOOP("Caption", "Sample"), {5400, 360, 1695, 495}, 40},
         &MainWindow::sampleClicked},
        //: Button: reduces the matrix.
        {{names::kSolveButton, QT_TRANSLATE_NOOP("Caption", "Solve"), {5400, 960, 1695, 495}, 23},
         &MainWindow::solveClicked},
        //: Button: empties every grid of both windows.
        {{names::kClearButton, QT_TRANSLATE_NOOP("Caption", "Clear"), {5400, 1560, 1695, 495}, 39},
         &MainWindow::clearClicked},
        //: Button: shows the window with the matrix after every stage of the reduction. The odd English is the program's own; translate the meaning.
        {{names::kWatchButton, QT_TRANSLATE_NOOP("Caption", "Watch on a solving"), {5400, 2160, 1695, 495}, 43},
         &MainWindow::watchClicked},
        //: Button and window title: the program's name, version and credits.
        {{names::kAboutButton, QT_TRANSLATE_NOOP("Caption", "About"), {5400, 2760, 1695, 495}, 41},
         &MainWindow::aboutClicked, &aboutPicture},
        //: Button: ends the program after asking.
        {{names::kExitButton, QT_TRANSLATE_NOOP("Caption", "Exit"), {5400, 3360, 1695, 495}, 42},
         &MainWindow::exitClicked},
    }};

    input_ = new CellGridView(kInputFrame, kInputGrid, this);
    result_ = new CellGridView(kResultFrame, kResultGrid, this);
    result_->offerSteps();
    for (CellGridView* grid : {input_, result_}) {
        grid->offerArithmeticSwitch(arithmetic_);
        grid->offerReducedForm([this] { openReducedForm(); });
    }
    std::vector<TabStop> tabStops{{kInputFrame.tabIndex, input_}, {kResultFrame.tabIndex, result_}};

    for (const CommandButton& command : kButtons) {
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
    connect(verdict_, &ClickableLabel::clicked, this, &MainWindow::openReducedForm);

    const std::array<CellGridView*, 2> grids{input_, result_};
    addCellTabStops(tabStops, grids, kCellTabOrder);
    chainTabOrder(std::move(tabStops));
}

// Cells to numbers, numbers through the reduction, and the one value that
// holds it all down to every grid that shows or copies it. The Solving
// window is filled even while hidden; "Solve" never shows it.
// A cell that counted as 0 without being blank is marked, so that no
// input is lost unseen.
void MainWindow::solveClicked()
{
    const auto solution =
        std::make_shared<const steps::WorkedSolution>(steps::solveCells(input_->texts(), arithmetic_.value()));
    input_->markNotANumber(solution->unreadable, solution->fractionsLeftUnread);
    solving_.get().showSolution(solution);
    result_->showNumbers(steps::stageNumbers(*solution, kStageCount - 1));
    input_->holdSolution(solution);
    result_->holdSolution(solution);
    const QString hints = resultHints(*solution).join(u'\n');
    result_->setToolTip(hints);
    result_->setCellHint(residueCells(*solution), hints);
    verdict_->showLine(steps::verdictLine(solution->verdict), steps::solutionLines(solution->verdict).join(u'\n'));
    shown_ = solution;
    if (ReducedFormWindow* window = reducedForm_.loaded())
        window->showSolution(solution);
    if (solution->warned)
        showMathError(this);
}

// Empties all eight grids; the Solving window is created hidden for it
// when it does not exist.
void MainWindow::clearClicked()
{
    input_->clear();
    result_->clear();
    input_->holdSolution(nullptr);
    result_->holdSolution(nullptr);
    result_->setToolTip({});
    result_->setCellHint({}, {});
    verdict_->showLine({}, {});
    shown_.reset();
    solving_.get().clear();
    if (ReducedFormWindow* window = reducedForm_.loaded())
        window->clear();
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
// cell's menu; opened again, it is only brought to the front.
void MainWindow::openReducedForm()
{
    if (!shown_)
        return;
    ReducedFormWindow& window = reducedForm_.get();
    window.showSolution(shown_);
    bringToFront(window);
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
    hide();
    QCoreApplication::quit();
}

}  // namespace rowsweep::ui
