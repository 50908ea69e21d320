#pragma once

// The matrix file the command line reads: UTF-8 text (a byte-order mark and
// CR LF line ends accepted) in which a matrix is a group of one to three
// consecutive lines, a line a row. Its cells are split as a pasted row is
// (steps::splitCellLine): at tabs when the line has any, so that two tabs
// in a row enclose an empty cell; else at semicolons; else at runs of
// blanks. Empty cells at the end of a line do not count; missing cells and
// rows are empty, as they are in the window.
//
// Groups are apart by one or more blank lines. A line whose first character
// other than a blank is "#" is a comment and is passed over, but for
// "# Exercise N": it ends the group before it and names the group that
// starts on the next line that is not a comment.

#include <array>
#include <optional>
#include <vector>

#include <QByteArrayView>
#include <QString>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::batch {

// As many characters as a cell of the window takes (a line edit's limit).
inline constexpr qsizetype kLongestCell = 32767;
inline constexpr qsizetype kLargestMatrixFile = 16 * 1024 * 1024;

struct MatrixGroup {
    std::optional<int> exercise;  // N of "# Exercise N" right before it
    std::array<int, kRows> lines{};  // of each row, counted from 1; 0 for a missing row
    steps::CellTexts cells;
};

// What is wrong, and on which line, counted from 1; 0 for the file as a whole.
struct FileError {
    int line = 0;
    QString what;
};

struct MatrixFile {
    // Up to the error, when there is one: its own group as far as it was read.
    std::vector<MatrixGroup> groups;
    std::optional<FileError> error;   // the first, or that the file holds no matrix
};

[[nodiscard]] MatrixFile readMatrixFile(QByteArrayView bytes);

}  // namespace rowsweep::batch
