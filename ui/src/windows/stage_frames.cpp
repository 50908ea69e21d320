#include "stage_frames.h"

namespace rowsweep::ui {

namespace {

void describe(CellGridView& grid, const QString& operations)
{
    grid.setToolTip(operations);
    grid.setAccessibleDescription(operations);
}

}  // namespace

void placeStageFrames(QWidget& window, std::span<const ControlPlacement> frames, std::span<const GridPlacement> grids,
                      Session& session, std::span<CellGridView*> placed)
{
    for (std::size_t frame = 0; frame < frames.size(); ++frame) {
        placed[frame] = new CellGridView(frames[frame], grids[frame], session, &window);
        placed[frame]->offerSteps();
    }
}

void showStage(CellGridView& grid, const steps::StageNumbers& numbers, const QString& operations)
{
    grid.showNumbers(numbers);
    describe(grid, operations);
}

void clearStage(CellGridView& grid)
{
    grid.clear();
    describe(grid, {});
}

}  // namespace rowsweep::ui
