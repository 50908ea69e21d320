#include "rowsweep/ui/windows/solving_window.h"

#include <QCoreApplication>
#include <QIcon>

#include "rowsweep/steps/stage_texts.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/window_style.h"
#include "rowsweep/ui/session/session.h"
#include "solving_window_controls.h"

namespace rowsweep::ui {

using namespace solving_window;

SolvingWindow::SolvingWindow(Session& session, const QPixmap& mainPicture)
    : QWidget(nullptr, kMinimizeCloseWindow)
{
    setObjectName(toQString(names::kSolvingWindow));
    //: Title of the window that shows the matrix after every stage of the reduction.
    setWindowTitle(QCoreApplication::translate("Caption", "Solving"));
    setWindowIcon(QIcon(mainPicture));
    setFixedSize(toPixels(kClientWidth, kClientHeight));

    placeStageFrames(*this, kFrames, kGrids, session, grids_);
    std::vector<TabStop> tabStops;
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        tabStops.push_back({kFrames[stage].tabIndex, grids_[stage]});
    addCellTabStops(tabStops, grids_, kCellTabOrder);
    chainTabOrder(std::move(tabStops));
    addPrintShortcut(*this, [this] { return grids_.front()->shownSolve(); });
    connect(&session, &Session::solved, this, [this](const Session::Solution& solution) { showSolution(*solution); });
    connect(&session, &Session::cleared, this, &SolvingWindow::clear);
}

void SolvingWindow::showSolution(const steps::WorkedSolution& solution)
{
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        showStage(*grids_[stage], steps::stageNumbers(solution, stage),
                  steps::explainStage(solution, stage).join(QChar(u'\n')));
}

void SolvingWindow::clear()
{
    for (CellGridView* grid : grids_)
        clearStage(*grid);
}

}  // namespace rowsweep::ui
