#include "rowsweep/ui/windows/solving_window.h"

#include <QCoreApplication>
#include <QIcon>

#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/ui/cells/cell_grid_view.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/look/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr int kClientWidth = 8910;
constexpr int kClientHeight = 5655;

// Frames in the order of the stages they show, Step 1 to Answer.
constexpr std::array<ControlPlacement, kStageCount> kFrames{{
    //: Frame: the matrix after the first stage of the reduction.
    {names::kStageFrames[0], QT_TRANSLATE_NOOP("Caption", "Step 1"), {240, 120, 4215, 1815}, 0},
    {names::kStageFrames[1], QT_TRANSLATE_NOOP("Caption", "Step 2"), {240, 1920, 4215, 1815}, 19},
    {names::kStageFrames[2], QT_TRANSLATE_NOOP("Caption", "Step 3"), {240, 3720, 4215, 1815}, 38},
    {names::kStageFrames[3], QT_TRANSLATE_NOOP("Caption", "Step 4"), {4560, 120, 4215, 1815}, 57},
    {names::kStageFrames[4], QT_TRANSLATE_NOOP("Caption", "Step 5"), {4560, 1920, 4215, 1815}, 71},
    //: Frame: the matrix after the last stage, the reduced matrix itself.
    {names::kStageFrames[5], QT_TRANSLATE_NOOP("Caption", "Answer"), {4560, 3720, 4215, 1815}, 90},
}};

constexpr std::array<int, kRows> kRowTops{240, 720, 1200};
constexpr int kTallCell = 405;
constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

constexpr LinePlacement line(int stage) { return {names::kStageLines, stage, 3360, 120, 1920}; }
// The line of "Step 3" sits higher than the others.
constexpr LinePlacement kRaisedLine{names::kStageLines, 2, 3360, 0, 1800};

// "Step 4" has a taller second row and "Answer" a taller first row.
constexpr std::array<GridPlacement, kStageCount> kGrids{{
    {names::kStageRows[0], kRowTops, kRowHeights, line(0)},
    {names::kStageRows[1], kRowTops, kRowHeights, line(1)},
    {names::kStageRows[2], kRowTops, kRowHeights, kRaisedLine},
    {names::kStageRows[3], kRowTops, {kGridCellHeight, kTallCell, kGridCellHeight}, line(3)},
    {names::kStageRows[4], kRowTops, kRowHeights, line(4)},
    {names::kStageRows[5], kRowTops, {kTallCell, kGridCellHeight, kGridCellHeight}, line(5)},
}};

// "Step 1" is walked backwards from its fourth cell of row 1; the last five
// cells of row 3 of "Step 4" come last of all.
constexpr std::array<CellTabRun, 21> kCellTabOrder{{
    {1, 0, 0, 3, 3},   {2, 0, 2, 5, 0},   {8, 0, 1, 5, 0},   {14, 0, 0, 5, 4},  {16, 0, 0, 2, 0},
    {20, 1, 0, 0, 5},  {26, 1, 1, 0, 5},  {32, 1, 2, 0, 5},  {39, 2, 0, 0, 5},  {45, 2, 1, 0, 5},
    {51, 2, 2, 0, 5},  {58, 3, 0, 0, 5},  {64, 3, 1, 0, 5},  {70, 3, 2, 0, 0},  {72, 4, 0, 0, 5},
    {78, 4, 1, 0, 5},  {84, 4, 2, 0, 5},  {91, 5, 0, 0, 5},  {97, 5, 1, 0, 5},  {103, 5, 2, 0, 5},
    {109, 3, 2, 1, 5},
}};

}  // namespace

SolvingWindow::SolvingWindow(const QPixmap& mainPicture, ArithmeticSetting& arithmetic,
                             const std::function<void()>& openReducedForm)
    : QWidget(nullptr, kMinimizeCloseWindow)
{
    setObjectName(toQString(names::kSolvingWindow));
    //: Title of the window that shows the matrix after every stage of the reduction.
    setWindowTitle(QCoreApplication::translate("Caption", "Solving"));
    setWindowIcon(QIcon(mainPicture));
    setFixedSize(toPixels(kClientWidth, kClientHeight));

    std::vector<TabStop> tabStops;
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        grids_[stage] = new CellGridView(kFrames[stage], kGrids[stage], this);
        grids_[stage]->offerSteps();
        grids_[stage]->offerArithmeticSwitch(arithmetic);
        grids_[stage]->offerReducedForm(openReducedForm);
        tabStops.push_back({kFrames[stage].tabIndex, grids_[stage]});
    }
    addCellTabStops(tabStops, grids_, kCellTabOrder);
    chainTabOrder(std::move(tabStops));
    addPrintShortcut(*this, [this] { return grids_.front()->heldSolution(); });
}

void SolvingWindow::showSolution(std::shared_ptr<const steps::WorkedSolution> solution)
{
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        CellGridView& grid = *grids_[stage];
        grid.showNumbers(steps::stageNumbers(*solution, stage));
        const QString explanation = steps::explainStage(*solution, stage).join(QChar(u'\n'));
        grid.setToolTip(explanation);
        grid.setAccessibleDescription(explanation);
        grid.holdSolution(solution);
    }
}

void SolvingWindow::clear()
{
    for (CellGridView* grid : grids_) {
        grid->clear();
        grid->holdSolution(nullptr);
        grid->setToolTip({});
        grid->setAccessibleDescription({});
    }
}

}  // namespace rowsweep::ui
