// Reading the arguments, called directly: which arguments are answered at
// once, with what, and which start the windows. What only the running
// program shows (no display needed, exit statuses) is in command_line_test.cpp.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <QStringList>

#include "rowsweep/app/command_line.h"
#include "rowsweep/version.h"

namespace rowsweep::app {
namespace {

constexpr char kUsageLine[] = "Usage: rowsweep [options]\n";
const std::string kVersionLine = "Rowsweep " ROWSWEEP_VERSION "\n";

std::string refused(const char* why)
{
    return std::string("rowsweep: ") + why + "; see 'rowsweep --help'\n";
}

TEST(CommandLine, AnswersOrStartsTheWindows)
{
    using steps::Arithmetic;
    struct Case {
        QStringList arguments;  // after the program's name
        std::optional<int> exitStatus;  // empty: the windows start
        std::string out;  // exact; for help, its first line
        std::string err;
        QString displayName = {};
        std::optional<Arithmetic> arithmetic = std::nullopt;  // for this run
        bool practice = false;
    };
    const Case cases[] = {
        {{}, {}, "", ""},
        // Qt's own options, with their values, are left for Qt.
        {{"-platform", "offscreen", "-style", "Fusion", "-reverse"}, {}, "", ""},
        {{"-display", ":55"}, {}, "", "", ":55"},
        {{"--exact"}, {}, "", "", {}, Arithmetic::Exact},
        {{"--floating-point", "-style", "Fusion", "--exact"}, {}, "", "", {}, Arithmetic::Exact},
        {{"--exact", "--floating-point"}, {}, "", "", {}, Arithmetic::FloatingPoint},
        {{"--practice", "--exact"}, {}, "", "", {}, Arithmetic::Exact, true},
        {{"--version"}, 0, kVersionLine, ""},
        {{"-v"}, 0, kVersionLine, ""},
        {{"-style", "Fusion", "--version"}, 0, kVersionLine, ""},
        {{"--help"}, 0, kUsageLine, ""},
        {{"-h"}, 0, kUsageLine, ""},
        {{"--version", "--help"}, 0, kUsageLine, ""},
        {{"--frobnicate"}, 2, "", refused("unknown option '--frobnicate'")},
        {{"--frobnicate=1"}, 2, "", refused("unknown option '--frobnicate=1'")},
        {{"-h", "-x"}, 2, "", refused("unknown option '-x'")},
        {{"-style"}, 2, "", refused("missing value after '-style'")},
        {{"matrix.txt"}, 2, "", refused("unexpected argument 'matrix.txt'")},
        {{"--practice", "--steps"}, 2, "", refused("--practice opens a window: it does not go with --steps")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine commandLine = readCommandLine(QStringList{QStringLiteral("rowsweep")} + c.arguments);
        const std::optional<Answer> answer = answerWithoutWindows(commandLine);
        ASSERT_EQ(answer.has_value(), c.exitStatus.has_value());
        if (answer) {
            EXPECT_EQ(answer->exitStatus, *c.exitStatus);
            EXPECT_EQ(answer->out.substr(0, c.out == kUsageLine ? c.out.size() : std::string::npos), c.out);
            EXPECT_EQ(answer->err, c.err);
        }
        EXPECT_EQ(commandLine.displayName, c.displayName);
        EXPECT_EQ(commandLine.arithmetic, c.arithmetic);
        EXPECT_EQ(commandLine.practice, c.practice);
    }
}

// Every option Qt's documentation lists (QGuiApplication, QApplication,
// the X11 platform) is left for Qt: one with a value passes its value on,
// also a value that reads like one of ours, and one without a value takes
// none; the option after it is still read.
TEST(CommandLine, QtOptionsPassOnExactlyTheirValue)
{
    const char* const withValue[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                     "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-style", "-stylesheet",
                                     "-session", "-display", "-geometry", "-title", "-icon", "-name", "-visual",
                                     "-qmljsdebugger"};
    const char* const withoutValue[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync", "-testability"};
    QList<QStringList> lines;
    for (const char* option : withValue)
        for (const char* value : {"Fusion", "--version", "-x"})
            lines.append({QString::fromLatin1(option), QString::fromLatin1(value)});
    for (const char* option : withoutValue)
        lines.append({QString::fromLatin1(option)});
    for (const QStringList& line : lines) {
        const CommandLine commandLine = readCommandLine(QStringList{"rowsweep"} + line + QStringList{"--exact"});
        EXPECT_FALSE(answerWithoutWindows(commandLine).has_value()) << line.join(u' ').toStdString();
        EXPECT_EQ(commandLine.arithmetic, steps::Arithmetic::Exact) << line.join(u' ').toStdString();
    }
}

TEST(CommandLine, HelpNamesEveryOptionWithTheDescriptionsInOneColumn)
{
    const QString help = helpText();
    EXPECT_TRUE(help.startsWith(QString::fromLatin1(kUsageLine))) << help.toStdString();
    for (const char* option : {"-h, --help", "-v, --version", "--exact", "--floating-point", "--practice", "-style"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option << " missing from\n" << help.toStdString();

    const QStringList lines =
        help.section(QStringLiteral("Options:\n"), 1).section(QStringLiteral("\n\n"), 0, 0).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    qsizetype column = -1;
    for (const QString& line : lines) {
        const qsizetype gap = line.indexOf(QStringLiteral("  "), 2);
        ASSERT_GT(gap, 2) << line.toStdString();
        qsizetype description = gap;
        while (description < line.size() && line[description] == u' ')
            ++description;
        if (column < 0)
            column = description;
        EXPECT_EQ(description, column) << line.toStdString();
    }
}

}  // namespace
}  // namespace rowsweep::app
