#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "rowsweep/engine/matrix.h"

namespace rowsweep::ui {

// Values as spreadsheets and text files copy them: one list per line.
using PastedBlock = QList<QStringList>;

// The most pasted text a grid reads, for cells of `cellLength` characters:
// a full grid of values with a tab between two values of a row and a line
// break, CR LF at the most, after each row.
[[nodiscard]] constexpr qsizetype longestPaste(qsizetype cellLength)
{
    constexpr qsizetype kTab = 1;
    constexpr qsizetype kLineBreak = 2;
    return kRows * (kColumns * cellLength + (kColumns - 1) * kTab + kLineBreak);
}

// Splits pasted text into lines at line breaks and each line into values:
// at tabs when it has any (a spreadsheet's empty cell stays an empty value),
// else at semicolons, else at runs of white space. A comma never separates:
// some write it as the decimal mark. White space around each value and
// blank lines around the block are dropped.
[[nodiscard]] PastedBlock splitPastedText(QStringView text);

// More than one value: it fills a grid from the cell it was pasted into.
[[nodiscard]] bool isBlock(const PastedBlock& block);

// The one value of a block that is not one; empty when nothing was pasted.
[[nodiscard]] QString singleValue(const PastedBlock& block);

}  // namespace rowsweep::ui
