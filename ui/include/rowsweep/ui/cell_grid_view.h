#pragma once

#include <array>
#include <string_view>

#include <QGroupBox>

#include "rowsweep/engine/cell_grid.h"
#include "rowsweep/ui/layout.h"
#include "rowsweep/ui/separator_line.h"

class QLineEdit;

namespace rowsweep::ui {

// Both windows place the six columns alike; column 5 stands apart, with the
// separator line in the gap.
inline constexpr std::array<int, kColumns> kGridColumnLefts{240, 840, 1440, 2040, 2640, 3480};
inline constexpr int kGridCellWidth = 495;
inline constexpr int kGridCellHeight = 375;

// Where the cells of one grid sit inside its frame (twips).
struct GridSpec {
    std::array<std::string_view, kRows> rows;  // one control array per row
    std::array<int, kRows> rowTops;
    std::array<int, kRows> rowHeights;
    LineSpec line;
};

// A frame holding three rows of six single-line cells and the line that
// sets column 5 apart. The cells accept any text; nothing reacts to typing.
class CellGridView final : public QGroupBox, public CellGrid {
public:
    CellGridView(const ControlSpec& frame, const GridSpec& grid, QWidget* parent);

    [[nodiscard]] std::string cellText(int row, int column) const override;
    void setCellText(int row, int column, std::string_view text) override;

    [[nodiscard]] QLineEdit* cell(int row, int column) const;

private:
    std::array<std::array<QLineEdit*, kColumns>, kRows> cells_{};
};

}  // namespace rowsweep::ui
