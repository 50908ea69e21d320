#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "rowsweep/steps/worked_outline.h"
#include "rowsweep/steps/worked_solution.h"

class QPrinter;
class QWidget;

namespace rowsweep::ui {

// Where the user wants the PDF; an empty path means the user cancelled.
// Qt's save dialog, the real one, asks before it overwrites a file.
using SavePathChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
// Lets the user pick and set up a printer; false means the user cancelled.
// Qt's print dialog, the real one, says itself when there is no printer.
using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

// Empty ones restore Qt's dialogs.
void setSavePathChooser(SavePathChooser chooser);
void setPrinterSetup(PrinterSetup setup);

// "rowsweep-steps.pdf" in the user's documents folder when it exists, else
// in the home folder; always an absolute path.
[[nodiscard]] QString proposedPdfPath();

// The worked solution as a PDF where the user chooses. A file that cannot
// be written is named in a message box with the reason, and nothing of it
// is left behind; an existing file stays as it was.
void saveStepsAsPdf(QWidget* parent, const steps::WorkedSolution& solution);

void printSteps(QWidget* parent, const steps::WorkedSolution& solution);

// The same for an outline of other work, such as a practice.
void saveStepsAsPdf(QWidget* parent, const steps::WorkedOutline& outline);
void printSteps(QWidget* parent, const steps::WorkedOutline& outline);

// Ctrl+P anywhere in `window` prints the steps `held` gives, when it gives any.
void addPrintShortcut(QWidget& window, std::function<std::shared_ptr<const steps::WorkedSolution>()> held);

}  // namespace rowsweep::ui
