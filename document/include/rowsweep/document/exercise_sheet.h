#pragma once

// Exercises laid out for paper as a student is given them, beside the
// worked solutions and with their look: QtGui alone, no window.

#include <vector>

#include <QPageSize>
#include <QString>
#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

class QIODevice;
class QPagedPaintDevice;

namespace rowsweep::document {

struct SheetExercise {
    QString name;           // "Exercise 4711"
    QStringList equations;  // "2x1 + x2 − x3 = 8", a line each
    // The augmented matrix, a list per row: the columns of the unknowns in
    // use, then the right-hand side.
    std::vector<QStringList> matrix;
};

// An exercise from a matrix as typed and its Solve: the rows that hold
// anything, over the unknowns in use, its numbers as the cells of the
// Solve's arithmetic write them.
[[nodiscard]] SheetExercise sheetExercise(const QString& name, const steps::CellTexts& typed,
                                          const steps::WorkedSolution& solution);

// What every exercise asks of the student.
[[nodiscard]] QString exerciseTask();

// Per exercise its name, the task, the equations and the augmented matrix,
// as many to a page as fit and none split over two. Returns the pages
// used, 0 when the device could not be painted on.
int paintExerciseSheet(const std::vector<SheetExercise>& exercises, QPagedPaintDevice& device);

// The same as a PDF written to `out`, with 20 mm margins; false when the
// document could not be written.
[[nodiscard]] bool writeExerciseSheetPdf(const std::vector<SheetExercise>& exercises, QIODevice& out,
                                         const QPageSize& paper);

}  // namespace rowsweep::document
