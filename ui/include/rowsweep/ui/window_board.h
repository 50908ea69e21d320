#pragma once

#include <functional>

#include "rowsweep/engine/cell_grid.h"

namespace rowsweep::ui {

class Form3;

// The eight grids as the reduction and "Clear" reach them: two in the main
// window, six in the Solving window, which is asked for anew (and created
// hidden when missing) before every cell operation.
class WindowBoard final : public GridBoard {
public:
    WindowBoard(CellGrid& input, CellGrid& result, std::function<Form3&()> solvingWindow);

    CellGrid& grid(GridId id) override;

private:
    CellGrid& input_;
    CellGrid& result_;
    std::function<Form3&()> solvingWindow_;
};

}  // namespace rowsweep::ui
