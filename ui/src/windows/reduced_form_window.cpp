#include "rowsweep/ui/windows/reduced_form_window.h"

#include <algorithm>

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>

#include "rowsweep/steps/reduced_form_steps.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/look/window_style.h"
#include "rowsweep/ui/session/session.h"
#include "reduced_form_window_controls.h"

namespace rowsweep::ui {

using namespace reduced_form_window;

namespace {

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

// The pivots stand out in the reduced form, in the last frame in use;
// every other cell is drawn plain.
void boldPivots(const std::array<CellGridView*, kFrames>& grids, std::size_t last, const std::vector<int>& pivots)
{
    for (std::size_t frame = 0; frame < kFrames; ++frame)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                setBold(*grids[frame]->cell(row, column),
                        frame == last && static_cast<std::size_t>(row) < pivots.size()
                            && pivots[static_cast<std::size_t>(row)] == column);
}

}  // namespace

ReducedFormWindow::ReducedFormWindow(Session& session, const QPixmap& mainPicture)
    : QWidget(nullptr, kMinimizeCloseWindow)
{
    setObjectName(toQString(names::kReducedFormWindow));
    setWindowTitle(QCoreApplication::translate("ReducedFormWindow", "Reduced Form"));
    setWindowIcon(QIcon(mainPicture));
    placeStageFrames(*this, kFramePlacements, kGrids, session, grids_);
    for (CellGridView* view : grids_)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                view->cell(row, column)->setReadOnly(true);
    note_ = selectableText(names::kExactContinuationNote, this);
    solution_ = selectableText(names::kReducedFormSolution, this);
    chainTabOrder(tabStops(grids_));
    QWidget::setTabOrder(grids_.back()->cell(kRows - 1, kColumns - 1), note_);
    QWidget::setTabOrder(note_, solution_);
    addPrintShortcut(*this, [this] { return grids_.front()->shownSolve(); });
    connect(&session, &Session::solved, this, [this](const Session::Solution& solution) { showSolution(*solution); });
    connect(&session, &Session::cleared, this, &ReducedFormWindow::clear);
    if (const Session::Solution solution = session.current())
        showSolution(*solution);
    else
        showFrames(1);
}

void ReducedFormWindow::showSolution(const steps::WorkedSolution& solution)
{
    const std::vector<steps::WrittenStep> steps = steps::reducedFormSteps(solution);
    showStage(*grids_[0], solution.exactAnswer, {});
    for (std::size_t i = 0; i < steps.size() && i + 1 < kFrames; ++i)
        showStage(*grids_[i + 1], solution.exactSteps[i].matrix,
                  steps[i].operations.join(u'\n'));
    const std::size_t last = std::min(steps.size(), kFrames - 1);
    boldPivots(grids_, last, solution.reducedForm.pivotColumns);

    note_->setText(solution.arithmetic == steps::Arithmetic::FloatingPoint ? steps::exactContinuationNote()
                                                                              : QString());
    QStringList lines{steps::verdictLine(solution.verdict)};
    lines << steps::solutionLines(solution.verdict);
    solution_->setText(lines.join(u'\n'));
    showFrames(last + 1);
}

void ReducedFormWindow::clear()
{
    for (CellGridView* view : grids_)
        clearStage(*view);
    boldPivots(grids_, 0, {});
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
