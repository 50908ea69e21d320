#include "rowsweep/ui/cell_grid_view.h"

#include <stdexcept>

#include <QLineEdit>

#include "rowsweep/ui/twips.h"
#include "rowsweep/ui/window_style.h"

namespace rowsweep::ui {

CellGridView::CellGridView(const ControlSpec& frame, const GridSpec& grid, QWidget* parent)
    : QGroupBox(toQString(frame.caption), parent)
{
    setObjectName(toQString(frame.name));
    setGeometry(toPixels(frame.rect));
    setStyle(&frameStyle());
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(elementName(grid.rows[row], column));
            // Rows and columns counted from 1, as a person counts them.
            edit->setAccessibleName(
                QStringLiteral("%1, row %2, column %3").arg(toQString(frame.caption)).arg(row + 1).arg(column + 1));
            edit->setGeometry(toPixels(TwipRect{kGridColumnLefts[column], grid.rowTops[row], kGridCellWidth,
                                                grid.rowHeights[row]}));
            cells_[row][column] = edit;
        }
    }
    new SeparatorLine(grid.line, this);
}

QLineEdit* CellGridView::cell(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        throw std::out_of_range("no such cell");
    return cells_[row][column];
}

std::string CellGridView::cellText(int row, int column) const
{
    return cell(row, column)->text().toStdString();
}

void CellGridView::setCellText(int row, int column, std::string_view text)
{
    cell(row, column)->setText(toQString(text));
}

}  // namespace rowsweep::ui
