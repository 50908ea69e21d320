#pragma once

#include <QString>

namespace rowsweep::ui {

// What a cell says on hover.
struct CellHover {
    QString text;
    bool drawnWhole = true;
    // Exact Fractions is on: a fraction is read. Off, a fraction, or a value
    // beyond the range of doubles, counts as 0 and its value is given as
    // what Exact Fractions would read.
    bool readsFractions = true;
    QString mark{};  // why the cell counted as 0; empty when it is not marked
    QString hint{};  // what the grid adds about this cell
};

// One line per thing to say: the whole text when it is not drawn whole or
// there is more to say about its value ("19/16 = 1.1875", "0.333333333333333
// ≈ 1/3", "3/4 (0.75 in Exact Fractions)", "1e-400 (1e-400 in Exact
// Fractions)"), the mark, the hint. Empty when the cell has nothing to add
// to what it shows.
[[nodiscard]] QString cellHoverText(const CellHover& hover);

}  // namespace rowsweep::ui
