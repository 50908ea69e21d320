#pragma once

// The worked solution laid out for paper, from the outline the copied steps
// are written from: QtGui alone, with no window, so that a PDF can be
// written without a display.

#include <vector>

#include <QDate>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include "rowsweep/steps/worked_outline.h"
#include "rowsweep/steps/worked_solution.h"

class QIODevice;
class QPagedPaintDevice;

namespace rowsweep::document {

// The margins of every page, saved or printed, in millimetres.
[[nodiscard]] QMarginsF documentMargins();

// The document's first line, and the title a PDF reader shows.
[[nodiscard]] QString documentTitle();

// The worked solution laid out for paper on the device's pages: the title
// and `date` as the desktop's LC_TIME writes it, the input, each step with its operations and the matrix
// after it, the warning, the verdict and the solution. A matrix is drawn in
// brackets with a bar before the augmented column, at a smaller size when
// it is too wide for the page, and its values are wrapped, never clipped,
// when even that is too wide. A page never breaks inside a step or a
// matrix that fits on one page. Returns the pages used, 0 when the device
// could not be painted on.
int paintWorkedSolution(const steps::WorkedSolution& solution, QPagedPaintDevice& device, QDate date);

// The same from an outline, whatever work it holds.
int paintOutline(const steps::WorkedOutline& outline, QPagedPaintDevice& device, QDate date);
[[nodiscard]] bool writeOutlinePdf(const steps::WorkedOutline& outline, QIODevice& out, const QPageSize& paper,
                                   QDate date);

// The same as a PDF written to `out`, with documentMargins(); false when the
// document could not be written.
[[nodiscard]] bool writeWorkedSolutionPdf(const steps::WorkedSolution& solution, QIODevice& out,
                                          const QPageSize& paper, QDate date);

// A worked solution with the name it goes by among several: "Matrix 2",
// "Exercise 4711".
struct NamedSolution {
    QString name;
    steps::WorkedSolution solution;
};

// Several worked solutions in one document, laid out as one is, each from
// the top of a page of its own and under its name instead of the title.
int paintWorkedSolutions(const std::vector<NamedSolution>& solutions, QPagedPaintDevice& device, QDate date);
[[nodiscard]] bool writeWorkedSolutionsPdf(const std::vector<NamedSolution>& solutions, QIODevice& out,
                                           const QPageSize& paper, QDate date);

}  // namespace rowsweep::document
