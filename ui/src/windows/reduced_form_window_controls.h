#pragma once

#include <array>

#include <QtGlobal>

#include "rowsweep/ui/object_names.h"
#include "stage_frames.h"

// The Reduced Form window's layout: its frames and the grids in them; the
// texts below them are placed as tall as their lines.
namespace rowsweep::ui::reduced_form_window {

inline constexpr std::size_t kFrames = names::kReducedFormFrameCount;
inline constexpr int kClientWidth = 8910;
inline constexpr int kMargin = 240;
inline constexpr int kGap = 120;

// Frames as in the Solving window, Answer first, two to a row.
inline constexpr std::array<ControlPlacement, kFrames> kFramePlacements{{
    {names::kReducedFormFrames[0], QT_TRANSLATE_NOOP("Caption", "Answer"), {240, 120, 4215, 1815}, 0},
    {names::kReducedFormFrames[1], QT_TRANSLATE_NOOP("Caption", "Step 7"), {4560, 120, 4215, 1815}, 19},
    {names::kReducedFormFrames[2], QT_TRANSLATE_NOOP("Caption", "Step 8"), {240, 1920, 4215, 1815}, 38},
    {names::kReducedFormFrames[3], QT_TRANSLATE_NOOP("Caption", "Step 9"), {4560, 1920, 4215, 1815}, 57},
}};

[[nodiscard]] constexpr GridPlacement grid(int frame)
{
    return {names::kReducedFormRows[static_cast<std::size_t>(frame)], kStageRowTops, kStageRowHeights,
            stageLine(names::kReducedFormLines, frame)};
}
inline constexpr std::array<GridPlacement, kFrames> kGrids{grid(0), grid(1), grid(2), grid(3)};

}  // namespace rowsweep::ui::reduced_form_window
