#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rowsweep::ui {

// Values as spreadsheets and text files copy them: one list per line.
using PastedBlock = QList<QStringList>;

// Splits pasted text into lines at line breaks and each line into values:
// at tabs when it has any (a spreadsheet's empty cell stays an empty value),
// else at semicolons, else at runs of white space. A comma never separates:
// some write it as the decimal mark. White space around each value and
// blank lines around the block are dropped.
[[nodiscard]] PastedBlock splitPastedText(const QString& text);

// More than one value: it fills a grid from the cell it was pasted into.
[[nodiscard]] bool isBlock(const PastedBlock& block);

// The one value of a block that is not one; empty when nothing was pasted.
[[nodiscard]] QString singleValue(const PastedBlock& block);

}  // namespace rowsweep::ui
