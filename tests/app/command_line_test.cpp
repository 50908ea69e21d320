// The program as started from a shell: what only the running process
// shows (answers without any display, exit statuses, a display that cannot
// be opened, Qt options reaching Qt). How each argument is read is tested
// directly in command_line_reading_test.cpp.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "rowsweep/version.h"

namespace {

// The environment of a shell without any window system.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

// Each ends at once with its status and one line on one of its outputs:
// no window, no abort, no advice about reinstalling. Qt's -platform option
// and -style, with their values, reach Qt: the program then starts without
// any display variable instead of refusing.
TEST(Program, AnswersOrSaysWhyInOneLine)
{
    constexpr int kKeepsRunning = -2;
    struct Case {
        QStringList arguments;
        const char* display;  // nullptr: neither DISPLAY nor WAYLAND_DISPLAY
        int exitCode;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"--version"}, nullptr, 0, "Rowsweep " ROWSWEEP_VERSION "\n", ""},
        // Refused before the dead display is ever tried.
        {{"-x"}, ":55", 2, "", "rowsweep: unknown option '-x'; see 'rowsweep --help'\n"},
        {{}, nullptr, 1, "", "rowsweep: cannot open display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n"},
        // Nothing serves display 55: a stale session or a dead server.
        {{}, ":55", 1, "", "rowsweep: cannot open display :55\n"},
        {{}, "127.0.0.1:55", 1, "", "rowsweep: cannot open display 127.0.0.1:55\n"},
        {{"-display", ":55"}, nullptr, 1, "", "rowsweep: cannot open display :55\n"},
        // Any other failure to start is said in Qt's own words.
        {{"-platform", "nosuchplugin"}, ":55", 1, "", "rowsweep: Could not find the Qt platform plugin \"nosuchplugin\" in \"\"\n"},
        {{"-platform", "offscreen", "-style", "Fusion"}, nullptr, kKeepsRunning, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString() + (c.display ? std::string(" on ") + c.display : ""));
        QProcessEnvironment environment = withoutDisplay();
        if (c.display != nullptr)
            environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ROWSWEEP_PROGRAM), c.arguments);
        if (!process.waitForFinished(c.exitCode == kKeepsRunning ? 3000 : 20000)) {
            process.kill();
            process.waitForFinished();
            EXPECT_EQ(c.exitCode, kKeepsRunning) << "rowsweep did not exit";
            continue;
        }
        EXPECT_EQ(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, c.exitCode);
        EXPECT_EQ(process.readAllStandardOutput().toStdString(), c.out);
        EXPECT_EQ(process.readAllStandardError().toStdString(), c.err);
    }
}

}  // namespace
