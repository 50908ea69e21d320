#pragma once

#include <vector>

#include <QString>

namespace rowsweep::ui {

class CellEdit;

enum class HistoryStep { Undo, Redo };

// The last block of values pasted into a grid, kept as one step of the
// undo history of the cell it was pasted into: Ctrl+Z there restores every
// cell the block changed, Ctrl+Shift+Z writes them again. The cells write
// the block into their own undo histories too, so whatever was typed
// before the paste stays undoable after the step is undone. The step ends
// when another cell it changed is edited, or the next block is pasted.
class BlockPasteHistory {
public:
    struct Write {
        CellEdit* cell;
        QString value;
    };

    // Writes each value over its cell's whole text, the cell pasted into
    // first. A block that would keep more text than the budget is written
    // as the program writes cells, starting the cells' histories afresh.
    void paste(const std::vector<Write>& writes);

    // Takes the step from the cell pasted into when it is the next one in
    // that direction there; false leaves the key to the cell's own history.
    bool take(CellEdit& cell, HistoryStep step);
    [[nodiscard]] bool offers(const CellEdit& cell, HistoryStep step) const;

    // Called on every change of a cell's text.
    void noteChange(const CellEdit& cell);

private:
    struct Changed {
        CellEdit* cell;
        QString before;
        QString after;
        bool inHistory;  // the write is a step of the cell's own undo history
    };

    void restore(Changed& changed, HistoryStep step);

    std::vector<Changed> changed_;  // the cell pasted into first
    bool undone_ = false;
    bool writing_ = false;
};

}  // namespace rowsweep::ui
