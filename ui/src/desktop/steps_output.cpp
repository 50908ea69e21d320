#include "rowsweep/ui/desktop/steps_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>

#include "rowsweep/document/paper.h"
#include "rowsweep/document/worked_document.h"
#include "rowsweep/ui/desktop/message_boxes.h"

namespace rowsweep::ui {

namespace {

QString askForPath(QWidget* parent, const QString& proposed)
{
    QFileDialog dialog(parent, QCoreApplication::translate("StepsOutput", "Save All Steps as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("StepsOutput", "PDF documents (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposed);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool askForPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

SavePathChooser& chooser()
{
    static SavePathChooser instance;
    return instance;
}

PrinterSetup& printerSetup()
{
    static PrinterSetup instance;
    return instance;
}

}  // namespace

void setSavePathChooser(SavePathChooser newChooser)
{
    chooser() = std::move(newChooser);
}

void setPrinterSetup(PrinterSetup setup)
{
    printerSetup() = std::move(setup);
}

QString proposedPdfPath()
{
    // The documents folder may be named in the desktop's settings without
    // being there; a dialog would then propose a path that cannot be saved.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder = !documents.isEmpty() && QDir(documents).exists() ? QDir(documents) : QDir::home();
    return folder.absoluteFilePath(QStringLiteral("rowsweep-steps.pdf"));
}

// QSaveFile writes beside the target and renames only a complete file over
// it, so a full disk or a failed write leaves no half a document.
void saveStepsAsPdf(QWidget* parent, const steps::WorkedSolution& solution)
{
    saveStepsAsPdf(parent, steps::workedOutline(solution));
}

void saveStepsAsPdf(QWidget* parent, const steps::WorkedOutline& outline)
{
    const QString proposed = proposedPdfPath();
    const QString path = chooser() ? chooser()(parent, proposed) : askForPath(parent, proposed);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        showSaveFailure(parent, QDir::toNativeSeparators(path), file.errorString());
        return;
    }
    const bool written =
        document::writeOutlinePdf(outline, file, document::desktopPaper(), QDate::currentDate());
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        showSaveFailure(parent, QDir::toNativeSeparators(path), reason);
    }
}

void printSteps(QWidget* parent, const steps::WorkedSolution& solution)
{
    printSteps(parent, steps::workedOutline(solution));
}

void printSteps(QWidget* parent, const steps::WorkedOutline& outline)
{
    QPrinter printer(QPrinter::HighResolution);
    // Printing to a file proposes the document name as its file name.
    printer.setDocName(QFileInfo(proposedPdfPath()).completeBaseName());
    printer.setPageSize(document::desktopPaper());
    const bool chosen = printerSetup() ? printerSetup()(printer, parent) : askForPrinter(printer, parent);
    // The printer's own margins may be next to none, where a real printer
    // would cut the title: the page keeps the saved document's margins.
    printer.setFullPage(false);
    printer.setPageMargins(document::documentMargins(), QPageLayout::Millimeter);
    // A printer that went away, or a file it cannot write, refuses the painter.
    if (chosen && document::paintOutline(outline, printer, QDate::currentDate()) == 0)
        showPrintFailure(parent, printer.outputFileName().isEmpty() ? printer.printerName()
                                                                    : QDir::toNativeSeparators(printer.outputFileName()));
}

void addPrintShortcut(QWidget& window, std::function<std::shared_ptr<const steps::WorkedSolution>()> held)
{
    auto* shortcut = new QShortcut(QKeySequence::Print, &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window, held = std::move(held)] {
        if (const std::shared_ptr<const steps::WorkedSolution> solution = held())
            printSteps(&window, *solution);
    });
}

}  // namespace rowsweep::ui
