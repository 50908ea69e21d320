#pragma once

#include <array>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/engine/cell_grid.h"
#include "rowsweep/ui/cell_grid_view.h"

namespace rowsweep::ui {

// The "Solving" window: six grids that show the matrix after each stage of
// the reduction and in its final state. A passive display; it is filled and
// emptied from the main window.
class Form3 final : public QWidget {
public:
    // The main window's picture becomes this window's icon when it loads.
    explicit Form3(QPixmap mainPicture);

    // Step1 .. Answer.
    [[nodiscard]] CellGridView& grid(GridId id);

private:
    void Form_Load();

    QPixmap mainPicture_;
    std::array<CellGridView*, 6> grids_{};
};

}  // namespace rowsweep::ui
