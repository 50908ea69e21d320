#include "rowsweep/ui/cells/cell_grid_view.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "rowsweep/steps/cell_reading.h"
#include "rowsweep/ui/cells/cell_context_menu.h"
#include "rowsweep/ui/session/session.h"
#include "rowsweep/ui/look/separator_line.h"
#include "rowsweep/ui/look/twips.h"
#include "rowsweep/ui/look/window_style.h"

namespace rowsweep::ui {

namespace {

// Said on hover while a paste that did not fit whole is the grid's latest step.
QString cutPasteNote()
{
    //: Hover text of a grid after a paste too long for it: what was left out. 18 cells of 32,767 characters each.
    return QCoreApplication::translate("CellGrid", "Pasted text cut: a grid holds 18 values of at most 32,767 characters.");
}

QString joinedLines(const QString& first, const QString& second)
{
    return first.isEmpty() || second.isEmpty() ? first + second : first + u'\n' + second;
}

}  // namespace

CellGridView::CellGridView(const ControlPlacement& frame, const GridPlacement& grid, Session& session, QWidget* parent)
    : QGroupBox(parent)
    , session_(session)
{
    // The frame style first: the caption is then measured once, by the
    // style that draws it.
    setStyle(&frameStyle());
    const QString caption = captionText(frame.caption);
    setTitle(caption);
    place(this, frame);
    // The stage explanations and the cells' whole values are read while
    // working in the other window, without a click to bring this one up.
    window()->setAttribute(Qt::WA_AlwaysShowToolTips);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* edit = new CellEdit(this);
            edit->setObjectName(elementName(grid.rows[row], column));
            // Rows and columns counted from 1, as a person counts them.
            //: What a screen reader calls a cell: %1 is its frame's caption ("Matrix", "Step 4"), %2 its row, %3 its column.
            edit->setAccessibleName(QCoreApplication::translate("CellGrid", "%1, row %2, column %3")
                                        .arg(caption, QString::number(row + 1), QString::number(column + 1)));
            edit->setGeometry(toPixels(TwipRect{kGridColumnLefts[column], grid.rowTops[row], kGridCellWidth,
                                                grid.rowHeights[row]}));
            edit->setHistory(&history_.stack());
            edit->setRequests({
                .block = [this, row, column](const PastedBlock& block, bool cut) { fillFrom(row, column, block, cut); },
                .write = [this, edit](CellContent before, CellContent after,
                                      bool cut) { history_.write({{edit, std::move(before), std::move(after)}}, cut); },
                .typed = [this, edit](CellContent before, CellContent after,
                                      int run) { history_.typed(*edit, std::move(before), std::move(after), run); },
                .move = [this, row, column](CellMove move) { moveFocus(row, column, move); },
                .menu = [this](QMenu& menu) { addCopyCommands(menu); },
            });
            edit->setReadsFractions([this] { return session_.arithmetic() == steps::Arithmetic::Exact; });
            cells_[row][column] = edit;
        }
    }
    new SeparatorLine(grid.line, this);
    connect(&history_.stack(), &QUndoStack::indexChanged, this, &CellGridView::showHints);
}

std::array<std::array<QString, kColumns>, kRows> CellGridView::texts() const
{
    std::array<std::array<QString, kColumns>, kRows> texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = cells_[row][column]->text();
    return texts;
}

void CellGridView::showNumbers(const steps::StageNumbers& numbers)
{
    showsSolve_ = true;
    history_.stack().clear();
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const WrittenNumber& number = numbers[row][column];
            cells_[row][column]->showNumber(QString::fromStdString(writtenText(number)), number);
        }
}

void CellGridView::writeTexts(const std::array<std::array<QString, kColumns>, kRows>& texts)
{
    std::vector<std::pair<CellEdit*, QString>> writes;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            writes.emplace_back(cells_[row][column], texts[row][column]);
    write(writes);
}

void CellGridView::clear()
{
    showsSolve_ = false;
    writeTexts({});
}

std::shared_ptr<const steps::WorkedSolution> CellGridView::shownSolve() const
{
    return showsSolve_ ? session_.current() : nullptr;
}

void CellGridView::write(const std::vector<std::pair<CellEdit*, QString>>& writes, bool cut)
{
    std::vector<CellChange> changes;
    for (const auto& [cell, text] : writes)
        changes.push_back({cell, cell->content(), {text, std::nullopt, 0}});
    history_.write(std::move(changes), cut);
}

void CellGridView::setCellHint(const CellMask& cells, const QString& hint)
{
    hintCells_ = cells;
    hint_ = hint;
    showHints();
}

void CellGridView::showHints()
{
    const QString cut = history_.latestStepWasCut() ? cutPasteNote() : QString();
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            cells_[row][column]->setHint(joinedLines(hintCells_[row][column] ? hint_ : QString(), cut));
}

// The frame says what its window set, and a paste that did not fit.
bool CellGridView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !history_.latestStepWasCut())
        return QGroupBox::event(event);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), joinedLines(toolTip(), cutPasteNote()), this);
    return true;
}

void CellGridView::markUnread(const BasicMatrix<steps::UnreadCell>& unread,
                              const std::array<std::array<QString, kColumns>, kRows>& read)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            CellEdit& cell = *cells_[row][column];
            const bool unchanged = cell.text() == read[row][column];
            cell.setMarked(unchanged ? steps::unreadMark(unread[row][column].why) : QString());
        }
}

void CellGridView::addCopyCommands(QMenu& menu) const
{
    ui::addCopyCommands(menu, {texts(), offersSteps_, shownSolve(), session_, ownSteps_});
}

// A value longer than a cell holds is cut to it.
void CellGridView::fillFrom(int row, int column, const PastedBlock& block, bool cut)
{
    const int longest = cells_[row][column]->maxLength();
    std::vector<std::pair<CellEdit*, QString>> writes;
    for (qsizetype line = 0; line < block.size() && row + line < kRows; ++line) {
        const QStringList& values = block[line];
        for (qsizetype value = 0; value < values.size() && column + value < kColumns; ++value) {
            cut = cut || values[value].size() > longest;
            writes.emplace_back(cells_[row + line][column + value], values[value].left(longest));
        }
    }
    write(writes, cut);
}

void CellGridView::moveFocus(int row, int column, CellMove move)
{
    QWidget* target = nullptr;
    switch (move) {
    case CellMove::Next:
        if (column + 1 < kColumns)
            target = cells_[row][column + 1];
        else if (row + 1 < kRows)
            target = cells_[row + 1][0];
        else
            target = afterLastCell_ != nullptr ? afterLastCell_.data() : cells_[0][0];
        break;
    case CellMove::Up:
        if (row > 0)
            target = cells_[row - 1][column];
        break;
    case CellMove::Down:
        if (row + 1 < kRows)
            target = cells_[row + 1][column];
        break;
    }
    // As Tab does: the whole text of the cell reached is selected, so that
    // typing replaces it.
    if (target != nullptr)
        target->setFocus(Qt::TabFocusReason);
}

void addCellTabStops(std::vector<TabStop>& stops, std::span<CellGridView* const> grids,
                     std::span<const CellTabRun> runs)
{
    for (const CellTabRun& run : runs) {
        const int step = run.last >= run.first ? 1 : -1;
        int tabIndex = run.firstTabIndex;
        for (int column = run.first;; column += step) {
            stops.push_back({tabIndex++, grids[run.grid]->cell(run.row, column)});
            if (column == run.last)
                break;
        }
    }
}

}  // namespace rowsweep::ui
