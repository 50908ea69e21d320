#pragma once

#include <QString>

#include "rowsweep/engine/exercise.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::batch {

// The cells of an exercise as a grid holds it: its numbers in the columns
// of the unknowns in use and in the right-hand side, the other columns empty.
[[nodiscard]] steps::CellTexts exerciseCells(const Exercise& exercise);

// `count` exercises of `kind`, numbered from `first`, as a matrix file:
// each a line "# Exercise N" and its rows, with a tab between two cells of
// a row, so that an empty column stays one when the file is read back; a
// blank line between two exercises.
[[nodiscard]] QString exerciseFileText(int first, int count, ExerciseKind kind);

}  // namespace rowsweep::batch
