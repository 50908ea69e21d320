#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "rowsweep/batch/matrix_file.h"
#include "rowsweep/document/worked_document.h"

namespace rowsweep::batch {

// The name a matrix of a file goes by: "Exercise 4711" where the file
// names it, else "Matrix 2" by its place, counted from 1.
[[nodiscard]] QString matrixName(const MatrixGroup& group, int index);

// The matrices of a file solved as the window solves them, each under its
// name; or the first thing wrong with the file. A batch refuses what a
// Solve would count as 0: a cell that is not a number, or in floating
// point a fraction.
struct WorkedFile {
    std::vector<document::NamedSolution> solutions;  // in the file's order
    std::optional<FileError> error;
};
[[nodiscard]] WorkedFile workMatrices(const MatrixFile& file, steps::Arithmetic arithmetic);

}  // namespace rowsweep::batch
