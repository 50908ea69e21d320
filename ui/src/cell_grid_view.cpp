#include "rowsweep/ui/cell_grid_view.h"

#include <stdexcept>

#include <QLineEdit>

#include "rowsweep/ui/twips.h"
#include "rowsweep/ui/window_style.h"

namespace rowsweep::ui {

CellGridView::CellGridView(const ControlSpec& frame, const GridSpec& grid, QWidget* parent)
    : QGroupBox(parent)
{
    // The frame style first: the caption is then measured once, by the
    // style that draws it.
    setStyle(&frameStyle());
    const QString caption = toQString(frame.caption);
    setTitle(caption);
    setObjectName(toQString(frame.name));
    setGeometry(toPixels(frame.rect));
    for (int row = 0; row < kRows; ++row) {
        // Rows and columns counted from 1, as a person counts them.
        const QString place = caption + QStringLiteral(", row ") + QString::number(row + 1) + QStringLiteral(", column ");
        for (int column = 0; column < kColumns; ++column) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(elementName(grid.rows[row], column));
            edit->setAccessibleName(place + QString::number(column + 1));
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
