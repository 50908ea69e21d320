#include "rowsweep/ui/window_board.h"

#include "rowsweep/ui/form3.h"

namespace rowsweep::ui {

WindowBoard::WindowBoard(CellGrid& input, CellGrid& result, std::function<Form3&()> solvingWindow)
    : input_(input)
    , result_(result)
    , solvingWindow_(std::move(solvingWindow))
{
}

CellGrid& WindowBoard::grid(GridId id)
{
    switch (id) {
    case GridId::Input:
        return input_;
    case GridId::Result:
        return result_;
    default:
        return solvingWindow_().grid(id);
    }
}

}  // namespace rowsweep::ui
