#include "rowsweep/ui/form3.h"

#include <stdexcept>

#include <QIcon>

#include "rowsweep/ui/layout.h"
#include "rowsweep/ui/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr int kClientWidth = 8910;
constexpr int kClientHeight = 5655;

// Frames in the order of the snapshots they show, Step 1 to Answer.
constexpr std::array<ControlSpec, 6> kFrames{{
    {"Frame1", ControlKind::Frame, "Step 1", {240, 120, 4215, 1815}, 0},
    {"Frame2", ControlKind::Frame, "Step 2", {240, 1920, 4215, 1815}, 19},
    {"Frame3", ControlKind::Frame, "Step 3", {240, 3720, 4215, 1815}, 38},
    {"Frame4", ControlKind::Frame, "Step 4", {4560, 120, 4215, 1815}, 57},
    {"Frame5", ControlKind::Frame, "Step 5", {4560, 1920, 4215, 1815}, 71},
    {"Frame6", ControlKind::Frame, "Answer", {4560, 3720, 4215, 1815}, 90},
}};

constexpr std::array<int, kRows> kRowTops{240, 720, 1200};
constexpr int kTallCell = 405;
constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

constexpr std::array<GridSpec, 6> kGrids{{
    {{"Text1", "Text2", "Text3"}, kRowTops, kRowHeights, {"Line1(0)", 3360, 120, 1920}},
    {{"Text21", "Text22", "Text23"}, kRowTops, kRowHeights, {"Line1(1)", 3360, 120, 1920}},
    {{"Text31", "Text32", "Text33"}, kRowTops, kRowHeights, {"Line1(2)", 3360, 0, 1800}},
    {{"Text41", "Text42", "Text43"}, kRowTops, {kGridCellHeight, kTallCell, kGridCellHeight}, {"Line1(3)", 3360, 120, 1920}},
    {{"Text51", "Text52", "Text53"}, kRowTops, kRowHeights, {"Line1(4)", 3360, 120, 1920}},
    {{"Text61", "Text62", "Text63"}, kRowTops, {kTallCell, kGridCellHeight, kGridCellHeight}, {"Line1(5)", 3360, 120, 1920}},
}};

// "Step 1" is walked backwards from Text1(3); Text43(1..5) come last of all.
constexpr std::array<TabRun, 21> kCellTabOrder{{
    {1, "Text1", 3, 3},    {2, "Text3", 5, 0},    {8, "Text2", 5, 0},    {14, "Text1", 5, 4},
    {16, "Text1", 2, 0},   {20, "Text21", 0, 5},  {26, "Text22", 0, 5},  {32, "Text23", 0, 5},
    {39, "Text31", 0, 5},  {45, "Text32", 0, 5},  {51, "Text33", 0, 5},  {58, "Text41", 0, 5},
    {64, "Text42", 0, 5},  {70, "Text43", 0, 0},  {72, "Text51", 0, 5},  {78, "Text52", 0, 5},
    {84, "Text53", 0, 5},  {91, "Text61", 0, 5},  {97, "Text62", 0, 5},  {103, "Text63", 0, 5},
    {109, "Text43", 1, 5},
}};

}  // namespace

Form3::Form3(QPixmap mainPicture)
    : QWidget(nullptr, kMinimizeCloseWindow)
    , mainPicture_(std::move(mainPicture))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Solving"));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    for (std::size_t i = 0; i < kFrames.size(); ++i)
        grids_[i] = new CellGridView(kFrames[i], kGrids[i], this);
    applyTabOrder(*this, kFrames, kCellTabOrder);
    Form_Load();
}

void Form3::Form_Load()
{
    setWindowIcon(QIcon(mainPicture_));
}

CellGridView& Form3::grid(GridId id)
{
    const int index = static_cast<int>(id) - static_cast<int>(GridId::Step1);
    if (index < 0 || index >= static_cast<int>(grids_.size()))
        throw std::out_of_range("the Solving window holds the snapshot grids only");
    return *grids_[static_cast<std::size_t>(index)];
}

}  // namespace rowsweep::ui
