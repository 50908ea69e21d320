#include <cstdio>
#include <memory>
#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include "rowsweep/app/command_line.h"
#include "rowsweep/app/display_failure.h"
#include "rowsweep/app/translation.h"
#include "rowsweep/batch/batch_run.h"
#include "rowsweep/ui/session/session.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/version.h"

int main(int argc, char* argv[])
{
    using namespace rowsweep::app;

    // Also where the remembered choices live: ~/.config/Rowsweep/Rowsweep.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("Rowsweep"));
    QCoreApplication::setApplicationName(QStringLiteral("Rowsweep"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROWSWEEP_VERSION));
    // Lets the desktop match the window to its menu entry and icon (Wayland);
    // on X11 the window class "Rowsweep", from the application name, does.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROWSWEEP_APP_ID));

    // --help, --version and a mistyped option are answered without a display.
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (const std::optional<Answer> answer = answerWithoutWindows(commandLine)) {
        std::fputs(answer->out.c_str(), stdout);
        std::fputs(answer->err.c_str(), stderr);
        return answer->exitStatus;
    }

    if (std::optional<rowsweep::batch::Request> batch = commandLine.batch) {
        const std::unique_ptr<QCoreApplication> app = rowsweep::batch::applicationFor(*batch, argv[0]);
        // The worked solutions speak the windows' language.
        const Translation translation;
        batch->arithmetic = commandLine.arithmetic.value_or(rowsweep::ui::rememberedArithmetic());
        return rowsweep::batch::run(*batch);
    }

    std::unique_ptr<QApplication> app;
    {
        const DisplayFailureReport report(commandLine.displayName);
        app = std::make_unique<QApplication>(argc, argv);
    }
    // In the desktop's language; --help and the messages above stay English.
    const Translation translation;
    rowsweep::ui::MainWindow mainWindow(commandLine.arithmetic);
    mainWindow.show();
    if (commandLine.practice)
        mainWindow.session().showPractice();
    return QApplication::exec();
}
