#include "rowsweep/ui/windows/reduced_form_window.h"

#include <algorithm>

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/ui/cells/cell_grid_view.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/look/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr std::size_t kFrames = names::kReducedFormFrameCount;
constexpr int kClientWidth = 8910;
constexpr int kMargin = 240;
constexpr int kGap = 120;

// Frames as in the Solving window, Answer first, two to a row.
constexpr std::array<ControlPlacement, kFrames> kFramePlacements{{
    {names::kReducedFormFrames[0], QT_TRANSLATE_NOOP("Caption", "Answer"), {240, 120, 4215, 1815}, 0},
    {names::kReducedFormFrames[1], QT_TRANSLATE_NOOP("Caption", "Step 7"), {4560, 120, 4215, 1815}, 19},
    {names::kReducedFormFrames[2], QT_TRANSLATE_NOOP("Caption", "Step 8"), {240, 1920, 4215, 1815}, 38},
    {names::kReducedFormFrames[3], QT_TRANSLATE_NOOP("Caption", "Step 9"), {4560, 1920, 4215, 1815}, 57},
}};

constexpr std::array<int, kRows> kRowTops{240, 720, 1200};
constexpr std::array<int, kRows> kRowHeights{kGridCellHeight, kGridCellHeight, kGridCellHeight};

constexpr GridPlacement grid(int frame)
{
    return {names::kReducedFormRows[static_cast<std::size_t>(frame)], kRowTops, kRowHeights,
            {names::kReducedFormLines, frame, 3360, 120, 1920}};
}
constexpr std::array<GridPlacement, kFrames> kGrids{grid(0), grid(1), grid(2), grid(3)};

// The frames' tab indices, then each grid's cells row by row.
std::vector<TabStop> tabStops(const std::array<CellGridView*, kFrames>& grids)
{
    std::vector<TabStop> stops;
    for (std::size_t frame = 0; frame < kFrames; ++frame) {
        int tabIndex = kFramePlacements[frame].tabIndex;
        stops.push_back({tabIndex, grids[frame]});
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                stops.push_back({++tabIndex, grids[frame]->cell(row, column)});
    }
    return stops;
}

QLabel* selectableText(std::string_view name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(toQString(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

void setBold(QWidget& cell, bool bold)
{
    QFont font = cell.font();
    font.setBold(bold);
    cell.setFont(font);
}

}  // namespace

ReducedFormWindow::ReducedFormWindow(const QPixmap& mainPicture, ArithmeticSetting& arithmetic,
                                     const std::function<void()>& open)
    : QWidget(nullptr, kMinimizeCloseWindow)
{
    setObjectName(toQString(names::kReducedFormWindow));
    setWindowTitle(QCoreApplication::translate("ReducedFormWindow", "Reduced Form"));
    setWindowIcon(QIcon(mainPicture));
    for (std::size_t frame = 0; frame < kFrames; ++frame) {
        CellGridView* view = new CellGridView(kFramePlacements[frame], kGrids[frame], this);
        view->offerSteps();
        view->offerArithmeticSwitch(arithmetic);
        view->offerReducedForm(open);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                view->cell(row, column)->setReadOnly(true);
        grids_[frame] = view;
    }
    note_ = selectableText(names::kExactContinuationNote, this);
    solution_ = selectableText(names::kReducedFormSolution, this);
    chainTabOrder(tabStops(grids_));
    QWidget::setTabOrder(grids_.back()->cell(kRows - 1, kColumns - 1), note_);
    QWidget::setTabOrder(note_, solution_);
    addPrintShortcut(*this, [this] { return grids_.front()->heldSolution(); });
    showFrames(1);
}

void ReducedFormWindow::showSolution(std::shared_ptr<const steps::WorkedSolution> solution)
{
    const std::vector<steps::WrittenStep> steps = steps::reducedFormSteps(*solution);
    grids_[0]->showNumbers(solution->exactAnswer);
    for (std::size_t i = 0; i < steps.size() && i + 1 < kFrames; ++i) {
        CellGridView& view = *grids_[i + 1];
        view.showNumbers(solution->exactSteps[i].matrix);
        const QString operations = steps[i].operations.join(u'\n');
        view.setToolTip(operations);
        view.setAccessibleDescription(operations);
    }
    // The pivots stand out in the reduced form, wherever it is.
    const std::size_t last = std::min(steps.size(), kFrames - 1);
    const std::vector<int>& pivots = solution->reducedForm.pivotColumns;
    for (std::size_t frame = 0; frame < kFrames; ++frame)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                setBold(*grids_[frame]->cell(row, column),
                        frame == last && static_cast<std::size_t>(row) < pivots.size()
                            && pivots[static_cast<std::size_t>(row)] == column);
    for (CellGridView* view : grids_)
        view->holdSolution(solution);

    note_->setText(solution->arithmetic == steps::Arithmetic::FloatingPoint ? steps::exactContinuationNote()
                                                                               : QString());
    QStringList lines{steps::verdictLine(solution->verdict)};
    lines << steps::solutionLines(solution->verdict);
    solution_->setText(lines.join(u'\n'));
    showFrames(last + 1);
}

void ReducedFormWindow::clear()
{
    for (CellGridView* view : grids_) {
        view->clear();
        view->holdSolution(nullptr);
        view->setToolTip({});
        view->setAccessibleDescription({});
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                setBold(*view->cell(row, column), false);
    }
    note_->clear();
    solution_->clear();
    showFrames(1);
}

// The frames in use from the top, then the texts below them, each as tall
// as its lines; the window fits them all.
void ReducedFormWindow::showFrames(std::size_t count)
{
    for (std::size_t frame = 0; frame < kFrames; ++frame)
        grids_[frame]->setVisible(frame < count);
    const QRect lastFrame = toPixels(kFramePlacements[count - 1].rect);
    const int left = twipsToPixels(kMargin);
    const int width = twipsToPixels(kClientWidth) - 2 * left;
    int top = lastFrame.bottom() + 1 + twipsToPixels(kGap);
    for (QLabel* label : {note_, solution_}) {
        label->setVisible(!label->text().isEmpty());
        if (label->text().isEmpty())
            continue;
        const int height = label->heightForWidth(width);
        label->setGeometry(left, top, width, height);
        top += height + twipsToPixels(kGap);
    }
    setFixedSize(twipsToPixels(kClientWidth), top + twipsToPixels(kGap));
}

void ReducedFormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace rowsweep::ui
