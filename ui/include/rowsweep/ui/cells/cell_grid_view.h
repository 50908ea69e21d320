#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QGroupBox>
#include <QPointer>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/steps/stage_numbers.h"
#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/cells/cell_edit.h"
#include "rowsweep/ui/cells/cell_history.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"

namespace rowsweep::ui {

class Session;

// Both windows place the six columns alike; column 5 stands apart, with the
// separator line in the gap.
inline constexpr std::array<int, kColumns> kGridColumnLefts{240, 840, 1440, 2040, 2640, 3480};
inline constexpr int kGridCellWidth = 495;
inline constexpr int kGridCellHeight = 375;

// Where the cells of one grid sit inside its frame (twips).
struct GridPlacement {
    names::GridRows rows;  // one control array per row
    std::array<int, kRows> rowTops;
    std::array<int, kRows> rowHeights;
    LinePlacement line;
};

// A frame holding three rows of six single-line cells and the line that
// sets column 5 apart. The cells accept any text; nothing reacts to typing.
// A block of values pasted or dropped into a cell fills the grid from that
// cell. Pastes, blocks, drops, typing, Clear and Sample are steps of the
// grid's one undo history, which Ctrl+Z in any of its cells walks back.
// Enter moves to the next cell row by row, Up and Down to the same column
// of the row above or below. What the frame and its cells say on hover
// shows while their window is inactive too. A paste that did not fit is
// said there while it is the grid's latest step.
class CellGridView final : public QGroupBox {
public:
    // The cells' menus read the Solve on show and the arithmetic from the
    // session, and switch its arithmetic.
    CellGridView(const ControlPlacement& frame, const GridPlacement& grid, Session& session, QWidget* parent);

    // Where Enter in the last cell goes; by default back to the first cell.
    void setAfterLastCell(QWidget* target) { afterLastCell_ = target; }

    [[nodiscard]] CellEdit* cell(int row, int column) const { return cells_[row][column]; }

    [[nodiscard]] std::array<std::array<QString, kColumns>, kRows> texts() const;
    // Writes every cell with a number's text, kept in its written form for
    // drawing; the grid's history starts afresh. The numbers are those of
    // the Solve on show, which the grid then shows until it is cleared.
    void showNumbers(const steps::StageNumbers& numbers);
    // Writes every cell, or empties it, as one undo step.
    void writeTexts(const std::array<std::array<QString, kColumns>, kRows>& texts);
    void clear();
    // The Solve on show while the grid shows it, else none.
    [[nodiscard]] std::shared_ptr<const steps::WorkedSolution> shownSolve() const;
    // A line the cells named add to what they say on hover; the others add none.
    void setCellHint(const CellMask& cells, const QString& hint);
    // Marks the cells whose text, as `read`, counted as 0 without being
    // blank, each with its reason; the mark goes with the next edit of the
    // cell, and a cell edited since it was read is not marked.
    void markUnread(const BasicMatrix<steps::UnreadCell>& unread,
                    const std::array<std::array<QString, kColumns>, kRows>& read);

    // Grids that show a stage or the result offer the whole worked
    // solution in their cells' menus, while they show it.
    void offerSteps() { offersSteps_ = true; }
    // A grid that shows work of its own offers these in its cells' menus
    // instead.
    void offerOwnSteps(std::function<void(QMenu&)> commands) { ownSteps_ = std::move(commands); }

protected:
    bool event(QEvent* event) override;

private:
    // Values beyond the grid's edge are dropped.
    void fillFrom(int row, int column, const PastedBlock& block, bool cut);
    void write(const std::vector<std::pair<CellEdit*, QString>>& writes, bool cut = false);
    void moveFocus(int row, int column, CellMove move);
    void showHints();

    void addCopyCommands(QMenu& menu) const;

    Session& session_;
    std::array<std::array<CellEdit*, kColumns>, kRows> cells_{};
    bool offersSteps_ = false;
    std::function<void(QMenu&)> ownSteps_;
    bool showsSolve_ = false;
    CellMask hintCells_{};
    QString hint_;
    CellHistory history_;
    QPointer<QWidget> afterLastCell_;
};

// A run of consecutive tab indices over the cells of one row of a grid,
// counting the column up or down from `first` to `last`.
struct CellTabRun {
    int firstTabIndex;
    int grid;  // index into the window's grids
    int row;
    int first;
    int last;
};

void addCellTabStops(std::vector<TabStop>& stops, std::span<CellGridView* const> grids,
                     std::span<const CellTabRun> runs);

}  // namespace rowsweep::ui
