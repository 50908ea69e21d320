// The frames of the Solving window explain their stages until Clear or
// the window's closing; the wording is the steps library's.

#include <QGroupBox>

#include "grids.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

class StageExplanationTest : public MainWindowTest {
protected:
    QGroupBox& frame(std::size_t stage)
    {
        return *form_->solvingWindow().get().findChild<QGroupBox*>(toQString(names::kStageFrames[stage]));
    }

    // Every frame's tooltip, which screen readers read as its description too.
    std::vector<QString> explanations()
    {
        std::vector<QString> shown;
        for (std::size_t stage = 0; stage < kStageCount; ++stage) {
            shown.push_back(frame(stage).toolTip());
            EXPECT_EQ(frame(stage).accessibleDescription(), shown.back()) << stage + 1;
        }
        return shown;
    }
};

TEST_F(StageExplanationTest, EachFrameTellsItsOwnStageUntilClearOrClosing)
{
    const std::vector<QString> none(kStageCount);
    solve(texts(kSampleInput), false);
    const std::vector<QString> sample = explanations();
    EXPECT_EQ(sample[0], "No change: row 1 already has 1 in column 1");
    EXPECT_EQ(sample[1], "Subtract 4 × row 1 from row 2");

    click(*form_, names::kClearButton);
    EXPECT_EQ(explanations(), none) << "after Clear";

    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    EXPECT_EQ(explanations(), sample);
    click(*form_, names::kWatchButton);
    form_->solvingWindow().loaded()->close();
    flushDeferredDeletes();
    click(*form_, names::kWatchButton);
    EXPECT_EQ(explanations(), none) << "after closing";
}

}  // namespace
}  // namespace rowsweep::ui::testing
