#include "rowsweep/ui/form1.h"

#include <array>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLabel>

#include "rowsweep/engine/sample_matrix.h"
#include "rowsweep/ui/accessibility.h"
#include "rowsweep/ui/cell_grid_view.h"
#include "rowsweep/ui/controls.h"
#include "rowsweep/ui/form2.h"
#include "rowsweep/ui/form3.h"
#include "rowsweep/ui/layout.h"
#include "rowsweep/ui/maker_link.h"
#include "rowsweep/ui/message_boxes.h"
#include "rowsweep/ui/modal.h"
#include "rowsweep/ui/pictures.h"
#include "rowsweep/ui/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr int kClientWidth = 7425;
constexpr int kClientHeight = 4815;

constexpr std::array<ControlSpec, 9> kControls{{
    {"Frame1", ControlKind::Frame, "Matrix", {360, 240, 4215, 1935}, 0},
    {"Frame2", ControlKind::Frame, "Result Matrix", {360, 2520, 4215, 1935}, 19},
    {"Command3", ControlKind::PushButton, "Sample", {5400, 360, 1695, 495}, 40},
    {"Command1", ControlKind::PushButton, "Solve", {5400, 960, 1695, 495}, 23},
    {"Command2", ControlKind::PushButton, "Clear", {5400, 1560, 1695, 495}, 39},
    {"Command6", ControlKind::PushButton, "Watch on a solving", {5400, 2160, 1695, 495}, 43},
    {"Command4", ControlKind::GraphicalButton, "About", {5400, 2760, 1695, 495}, 41},
    {"Command5", ControlKind::PushButton, "Exit", {5400, 3360, 1695, 495}, 42},
    {"Image1", ControlKind::Picture, "", {6000, 4080, 480, 480}, kNoTabIndex},
}};

constexpr std::array<int, kRows> kRowTops{360, 840, 1320};
constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

constexpr GridSpec kInputGrid{{"Text1", "Text2", "Text3"}, kRowTops, kRowHeights, {"Line1", 3360, 120, 1920}};
constexpr GridSpec kResultGrid{{"Text4", "Text5", "Text6"}, kRowTops, kRowHeights, {"Line2", 3360, 120, 1920}};

// Text1(3) is reached only after the last input cell, and "Solve" sits
// between the first and second columns of the result grid.
constexpr std::array<TabRun, 11> kCellTabOrder{{
    {1, "Text1", 0, 2},
    {4, "Text1", 4, 5},
    {6, "Text2", 0, 5},
    {12, "Text3", 0, 5},
    {18, "Text1", 3, 3},
    {20, "Text6", 0, 0},
    {21, "Text5", 0, 0},
    {22, "Text4", 0, 0},
    {24, "Text4", 1, 5},
    {29, "Text5", 1, 5},
    {34, "Text6", 1, 5},
}};

struct ClickHandler {
    std::string_view control;
    void (Form1::*handler)();
};

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, kMinimizeCloseWindow)
    , picture_(makerPicture())
    , form2_([] { return new Form2; })
    , form3_([this] { return new Form3(picture_); })
{
    installAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Rowsweep"));
    setWindowIcon(QIcon(tablePicture()));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    centreWhenFirstShown(*this);
    buildControls();
    board_.emplace(*input_, *result_, [this]() -> Form3& { return form3_.get(); });
    applyTabOrder(*this, kControls, kCellTabOrder);
    findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->setFocus();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    static constexpr std::array<ClickHandler, 7> kClickHandlers{{
        {"Command1", &Form1::Command1_Click},
        {"Command2", &Form1::Command2_Click},
        {"Command3", &Form1::Command3_Click},
        {"Command4", &Form1::Command4_Click},
        {"Command5", &Form1::Command5_Click},
        {"Command6", &Form1::Command6_Click},
        {"Image1", &Form1::Image1_Click},
    }};

    for (const ControlSpec& control : kControls) {
        if (control.kind == ControlKind::Frame) {
            const bool input = control.name == "Frame1";
            (input ? input_ : result_) = new CellGridView(control, input ? kInputGrid : kResultGrid, this);
        } else {
            createControl(control, this);
        }
    }
    for (const ClickHandler& entry : kClickHandlers)
        onClick(*findChild<QWidget*>(toQString(entry.control)), [this, handler = entry.handler] { (this->*handler)(); });

    auto* image = findChild<QLabel*>(QStringLiteral("Image1"));
    image->setPixmap(picture_);
    image->setCursor(handCursor());
    image->setToolTip(makerAddressTooltip());
    describeMakerLink(*image);
}

void Form1::Command1_Click()
{
    if (elimination_.solve(*board_) == SolveOutcome::ThirdRowNotZero)
        showMathError(this);
}

void Form1::Command2_Click()
{
    elimination_.clear(*board_);
}

void Form1::Command3_Click()
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            input_->setCellText(row, column, kSampleMatrix[row][column]);
}

void Form1::Command4_Click()
{
    showModal(form2_.get());
}

void Form1::Command5_Click()
{
    if (confirmExit(this))
        endProgram();
}

void Form1::Command6_Click()
{
    Form3& window = form3_.get();
    window.show();
    window.raise();
    window.activateWindow();
}

void Form1::Image1_Click()
{
    openMakerPage();
}

void Form1::Form_Unload()
{
    endProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!ending_)
        Form_Unload();
    event->accept();
}

// Ending is immediate: the other windows are destroyed without their close
// handling, this one disappears, and the event loop is told to stop; the
// entry point destroys this window when the loop returns.
void Form1::endProgram()
{
    ending_ = true;
    form2_.destroy();
    form3_.destroy();
    hide();
    QCoreApplication::quit();
}

}  // namespace rowsweep::ui
