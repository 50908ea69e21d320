#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rowsweep/engine/cell_grid.h"

namespace rowsweep::testing {

using TextMatrix = std::array<std::array<std::string, kColumns>, kRows>;

// A grid kept in memory. The cell texts keep their capacity between
// writes, so a run over warm grids allocates nothing.
class MemoryGrid final : public CellGrid {
public:
    [[nodiscard]] std::string cellText(int row, int column) const override { return cells_[row][column]; }
    void setCellText(int row, int column, std::string_view text) override { cells_[row][column].assign(text); }

    [[nodiscard]] const TextMatrix& cells() const noexcept { return cells_; }

private:
    TextMatrix cells_{};
};

// All eight grids in memory.
class MemoryBoard : public GridBoard {
public:
    CellGrid& grid(GridId id) override { return grids_[static_cast<std::size_t>(id)]; }

    [[nodiscard]] const TextMatrix& cells(GridId id) const { return grids_[static_cast<std::size_t>(id)].cells(); }

    void fill(GridId id, const TextMatrix& texts)
    {
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                grid(id).setCellText(row, column, texts[row][column]);
    }

private:
    std::array<MemoryGrid, kGridCount> grids_{};
};

}  // namespace rowsweep::testing
