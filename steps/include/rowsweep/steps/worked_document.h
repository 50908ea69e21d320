#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

#include "rowsweep/steps/worked_solution.h"

class QIODevice;
class QLocale;
class QPagedPaintDevice;

namespace rowsweep::steps {

// The document's first line, and the title a PDF reader shows.
[[nodiscard]] QString documentTitle();

// The paper the printers of a locale's country hold: Letter in the
// Americas that use it, A4 everywhere else.
[[nodiscard]] QPageSize paperFor(const QLocale& locale);

// The worked solution laid out for paper on the device's pages: the title
// and `date`, the input, each step with its operations and the matrix
// after it, the warning, the verdict and the solution. A matrix is drawn in
// brackets with a bar before the augmented column, at a smaller size when
// it is too wide for the page, and its values are wrapped, never clipped,
// when even that is too wide. A page never breaks inside a step or a
// matrix that fits on one page. Returns the pages used, 0 when the device
// could not be painted on.
int paintWorkedSolution(const WorkedSolution& solution, QPagedPaintDevice& device, QDate date);

// The same as a PDF written to `out`, with 20 mm margins; false when the
// document could not be written.
[[nodiscard]] bool writeWorkedSolutionPdf(const WorkedSolution& solution, QIODevice& out, const QPageSize& paper,
                                          QDate date);

}  // namespace rowsweep::steps
