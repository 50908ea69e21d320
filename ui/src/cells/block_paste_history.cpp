#include "rowsweep/ui/cells/block_paste_history.h"

#include <algorithm>

#include "rowsweep/ui/cells/cell_edit.h"

namespace rowsweep::ui {

namespace {

// The texts before and after a block, kept for its undo step. A block of
// 18 ordinary numbers keeps a few hundred characters; one of full cells
// is not undoable, so that pasting it again and again stays bounded.
constexpr qsizetype kBlockHistoryBudget = 16384;

}  // namespace

void BlockPasteHistory::paste(const std::vector<Write>& writes)
{
    std::vector<Changed> changed;
    qsizetype kept = 0;
    for (const Write& write : writes) {
        if (changed.empty() || write.cell->text() != write.value) {
            changed.push_back({write.cell, write.cell->text(), write.value, false});
            kept += changed.back().before.size() + write.value.size();
        }
    }
    // A block the cells already hold changes nothing, and leaves the step
    // of the block that wrote it.
    if (std::all_of(changed.begin(), changed.end(), [](const Changed& cell) { return cell.before == cell.after; }))
        return;
    changed_.clear();
    undone_ = false;
    const bool undoable = kept <= kBlockHistoryBudget;
    writing_ = true;
    for (Changed& cell : changed) {
        if (cell.before == cell.after)
            continue;
        if (undoable)
            cell.inHistory = cell.cell->pasteOver(cell.after);
        else
            cell.cell->showText(cell.after);
    }
    writing_ = false;
    if (undoable)
        changed_ = std::move(changed);
}

bool BlockPasteHistory::offers(const CellEdit& cell, HistoryStep step) const
{
    if (changed_.empty() || changed_.front().cell != &cell)
        return false;
    const Changed& own = changed_.front();
    return step == HistoryStep::Undo ? !undone_ && cell.text() == own.after : undone_ && cell.text() == own.before;
}

bool BlockPasteHistory::take(CellEdit& cell, HistoryStep step)
{
    if (!offers(cell, step))
        return false;
    Changed& own = changed_.front();
    const bool undo = step == HistoryStep::Undo;
    writing_ = true;
    // Edits typed after the paste and undone again lead back to the pasted
    // text too: the cell's own next step is the paste only if it leads to
    // the text from before the paste.
    if (own.inHistory && (undo ? cell.isUndoAvailable() : cell.isRedoAvailable())) {
        undo ? cell.undo() : cell.redo();
        if (cell.text() != (undo ? own.before : own.after)) {
            writing_ = false;
            return true;
        }
    }
    for (Changed& changed : changed_)
        restore(changed, step);
    undone_ = undo;
    writing_ = false;
    return true;
}

void BlockPasteHistory::restore(Changed& changed, HistoryStep step)
{
    const bool undo = step == HistoryStep::Undo;
    CellEdit& cell = *changed.cell;
    const QString& target = undo ? changed.before : changed.after;
    if (cell.text() == target)
        return;
    if (changed.inHistory && (undo ? cell.isUndoAvailable() : cell.isRedoAvailable()))
        undo ? cell.undo() : cell.redo();
    if (cell.text() != target)
        cell.showText(target);
}

void BlockPasteHistory::noteChange(const CellEdit& cell)
{
    if (writing_ || changed_.empty() || changed_.front().cell == &cell)
        return;
    if (std::any_of(changed_.begin(), changed_.end(), [&](const Changed& changed) { return changed.cell == &cell; }))
        changed_.clear();
}

}  // namespace rowsweep::ui
