#pragma once

#include <string>
#include <string_view>

namespace rowsweep {

// Three rows of six cells; the sixth column is the augmented one.
inline constexpr int kRows = 3;
inline constexpr int kColumns = 6;

// A grid of text cells as the elimination sees it: it can only read and
// write the text of one cell at a time. A grid may throw from either call
// when a cell cannot be reached; the caller then skips that one cell.
class CellGrid {
public:
    virtual ~CellGrid() = default;

    [[nodiscard]] virtual std::string cellText(int row, int column) const = 0;
    virtual void setCellText(int row, int column, std::string_view text) = 0;
};

// The eight grids of the program, in the order in which "Clear" empties them.
enum class GridId {
    Input,   // main window, "Matrix"
    Result,  // main window, "Result Matrix"
    Step1,
    Step2,
    Step3,
    Step4,
    Step5,
    Answer,
};

inline constexpr int kGridCount = 8;

// Where the grids live. The elimination asks for a grid again before every
// cell operation and keeps no reference between two of them, so a provider
// may create the window that holds a grid on first demand.
class GridBoard {
public:
    virtual ~GridBoard() = default;

    virtual CellGrid& grid(GridId id) = 0;
};

}  // namespace rowsweep
