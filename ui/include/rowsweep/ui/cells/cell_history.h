#pragma once

#include <vector>

#include <QUndoStack>

#include "rowsweep/ui/cells/cell_content.h"

namespace rowsweep::ui {

class CellEdit;

// One cell's content before and after a write.
struct CellChange {
    CellEdit* cell;
    CellContent before;
    CellContent after;
};

// The undo history of one grid, on Qt's undo stack: a paste, a block, a
// drop, Clear and Sample each make one step; typing in a cell adds to one
// step until the focus leaves the cell. The history keeps the last
// kHistorySteps steps and, beyond that, drops its oldest steps while it
// holds more than kHistoryCharacters characters of text; the newest step
// always stays, so a full cell pasted is undoable.
class CellHistory {
public:
    static constexpr int kHistorySteps = 100;
    static constexpr qsizetype kHistoryCharacters = 2 * 1024 * 1024;  // 4 MiB of UTF-16

    CellHistory();

    [[nodiscard]] QUndoStack& stack() { return stack_; }

    // Writes the changes as one step; changes that change nothing are left
    // out, and a write that changes nothing makes no step. `cut`: a paste
    // that did not fit whole.
    void write(std::vector<CellChange> changes, bool cut = false);

    // Typing already done in a cell: joins the step of the typing before it
    // while it is the latest step and the cell's typing has not ended.
    void typed(CellEdit& cell, CellContent before, CellContent after, int typingRun);

    // The step the grid is at came from a paste that did not fit whole;
    // undone, it no longer is.
    [[nodiscard]] bool latestStepWasCut() const;

    // Text of every kept step, as counted against kHistoryCharacters.
    [[nodiscard]] qsizetype characters() const;

private:
    void keepWithinBudget();

    QUndoStack stack_;
    int epoch_ = 0;  // counts the typing that followed an undo
};

}  // namespace rowsweep::ui
