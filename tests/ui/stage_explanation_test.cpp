// The frames of the Solving window explain their stages until Clear or
// the window's closing.

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
};

// Every frame tells its own stage, as tooltip and for screen readers; the
// wording of each stage is worked through in the steps library's tests.
TEST_F(StageExplanationTest, EachFrameShowsWhatItsStageDid)
{
    solve(texts(kSampleInput), false);
    const char* const expected[kStageCount] = {
        "No change: row 1 already has 1 in column 1", "Subtract 4 × row 1 from row 2",
        "Subtract 3 × row 1 from row 3",             "Add 2 × row 3 to row 1",
        "No change: row 2 already has 1 in column 2", "Subtract 1 × row 2 from row 3\nColumn 1 of row 3 is left as it was",
    };
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        EXPECT_EQ(frame(stage).toolTip(), QString::fromUtf8(expected[stage])) << stage + 1;
        EXPECT_EQ(frame(stage).accessibleDescription(), QString::fromUtf8(expected[stage])) << stage + 1;
    }
}

TEST_F(StageExplanationTest, ClearAndClosingTheWindowForgetTheExplanations)
{
    click(*form_, names::kSampleButton);
    click(*form_, names::kSolveButton);
    ASSERT_EQ(frame(1).toolTip(), "Subtract 4 × row 1 from row 2");

    click(*form_, names::kClearButton);
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        EXPECT_TRUE(frame(stage).toolTip().isEmpty()) << "after Clear, stage " << stage + 1;
        EXPECT_TRUE(frame(stage).accessibleDescription().isEmpty()) << "after Clear, stage " << stage + 1;
    }

    click(*form_, names::kSolveButton);
    click(*form_, names::kWatchButton);
    form_->solvingWindow().loaded()->close();
    flushDeferredDeletes();
    click(*form_, names::kWatchButton);
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        EXPECT_TRUE(frame(stage).toolTip().isEmpty()) << "after closing, stage " << stage + 1;
}

}  // namespace
}  // namespace rowsweep::ui::testing
