#include "rowsweep/batch/batch_run.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QSaveFile>

#include "rowsweep/batch/exercise_file.h"
#include "rowsweep/batch/matrix_file.h"
#include "rowsweep/batch/steps_output.h"
#include "rowsweep/batch/worked_matrices.h"
#include "rowsweep/document/exercise_sheet.h"
#include "rowsweep/document/paper.h"

namespace rowsweep::batch {

namespace {

void sayError(const QString& where, const QString& what)
{
    std::fputs(QStringLiteral("rowsweep: %1: %2\n").arg(where, what).toLocal8Bit().constData(), stderr);
}

bool readsStandardInput(const QString& input)
{
    return input.isEmpty() || input == u'-';
}

QString inputName(const QString& input)
{
    return readsStandardInput(input) ? QStringLiteral("standard input") : input;
}

// The whole input, or nothing when it cannot be read or is too large to be
// a matrix file; what went wrong is said.
std::optional<QByteArray> readInput(const QString& input)
{
    QFile file;
    const bool opened = readsStandardInput(input) ? file.open(stdin, QIODevice::ReadOnly)
                                                  : (file.setFileName(input), file.open(QIODevice::ReadOnly));
    if (!opened) {
        sayError(inputName(input), file.errorString());
        return std::nullopt;
    }
    // A pipe or a device may hand it over in parts, and may never end.
    QByteArray bytes;
    for (QByteArray part; bytes.size() <= kLargestMatrixFile; bytes += part) {
        part = file.read(kLargestMatrixFile + 1 - bytes.size());
        if (part.isEmpty())
            break;
    }
    if (file.error() != QFileDevice::NoError) {
        sayError(inputName(input), file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > kLargestMatrixFile) {
        sayError(inputName(input), QStringLiteral("larger than %1 MiB").arg(kLargestMatrixFile / (1024 * 1024)));
        return std::nullopt;
    }
    return bytes;
}

struct WorkedInput {
    MatrixFile file;
    std::vector<document::NamedSolution> solutions;
};

// The matrices of the input, read and solved, or nothing when they are refused.
std::optional<WorkedInput> workedInput(const Request& request)
{
    const std::optional<QByteArray> bytes = readInput(request.input);
    if (!bytes)
        return std::nullopt;
    WorkedInput input{readMatrixFile(*bytes), {}};
    WorkedFile worked = workMatrices(input.file, request.arithmetic);
    if (worked.error) {
        const QString line = worked.error->line > 0 ? QStringLiteral(":%1").arg(worked.error->line) : QString();
        sayError(inputName(request.input) + line, worked.error->what);
        return std::nullopt;
    }
    input.solutions = std::move(worked.solutions);
    return input;
}

int writeStandardOutput(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) != static_cast<std::size_t>(bytes.size())
        || std::fflush(stdout) != 0) {
        sayError(QStringLiteral("standard output"), QString::fromLocal8Bit(std::strerror(errno)));
        return kOutputFailed;
    }
    return 0;
}

// Written whole or not at all: QSaveFile renames only a complete file over
// the one named, so a failure leaves no half a document and an existing
// one as it was.
int savePdf(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return 0;
    const QString reason = file.errorString();
    file.cancelWriting();
    sayError(path, reason);
    return kOutputFailed;
}

int writeSteps(const Request& request)
{
    const std::optional<WorkedInput> input = workedInput(request);
    if (!input)
        return kInputRefused;
    switch (request.format) {
    case StepsFormat::Text:
        return writeStandardOutput(stepsText(input->solutions));
    case StepsFormat::Latex:
        return writeStandardOutput(stepsLatex(input->solutions));
    case StepsFormat::Pdf:
        break;
    }
    return savePdf(request.pdf, [&input](QIODevice& out) {
        return document::writeWorkedSolutionsPdf(input->solutions, out, document::desktopPaper(),
                                                 QDate::currentDate());
    });
}

int writeSheet(const Request& request)
{
    const std::optional<WorkedInput> input = workedInput(request);
    if (!input)
        return kInputRefused;
    std::vector<document::SheetExercise> exercises;
    for (std::size_t i = 0; i < input->solutions.size(); ++i) {
        const document::NamedSolution& named = input->solutions[i];
        exercises.push_back(document::sheetExercise(named.name, input->file.groups[i].cells, named.solution));
    }
    return savePdf(request.pdf, [&exercises](QIODevice& out) {
        return document::writeExerciseSheetPdf(exercises, out, document::desktopPaper());
    });
}

// A run without windows says only what went wrong with its own work, one
// line each: Qt's warnings and notes (a runtime folder that is not set on
// a server, say) would stand among those lines. Its criticals go on.
QtMessageHandler g_qtHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtHandler != nullptr)
        g_qtHandler(type, context, message);
}

}  // namespace

std::unique_ptr<QCoreApplication> applicationFor(const Request& request, char* programName)
{
    // Qt keeps the count and the list for the application's life.
    static int argc = 1;
    static char* argv[] = {programName, nullptr};
    argv[0] = programName;
    g_qtHandler = qInstallMessageHandler(quietHandler);
    if (request.task == Task::Sheet || (request.task == Task::Steps && request.format == StepsFormat::Pdf)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int run(const Request& request)
{
    switch (request.task) {
    case Task::Steps:
        return writeSteps(request);
    case Task::Sheet:
        return writeSheet(request);
    case Task::Exercises:
        break;
    }
    return writeStandardOutput(exerciseFileText(request.first, request.exercises, request.kind));
}

}  // namespace rowsweep::batch
