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

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The environment of a shell without any window system.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

Outcome run(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ROWSWEEP_PROGRAM), arguments);
    Outcome outcome;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "rowsweep did not exit";
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = process.readAllStandardOutput().toStdString();
    outcome.err = process.readAllStandardError().toStdString();
    return outcome;
}

struct AnswerCase {
    const char* name;
    QStringList arguments;
    std::string expectedOut;  // exact, or the start when prefixOnly
    bool prefixOnly;
};

class CommandLineAnswers : public ::testing::TestWithParam<AnswerCase> {};

// Each is answered on standard output with status 0, without a display.
TEST_P(CommandLineAnswers, AnswersWithoutDisplay)
{
    const AnswerCase& c = GetParam();
    const Outcome outcome = run(c.arguments, withoutDisplay());
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    if (c.prefixOnly)
        EXPECT_EQ(outcome.out.substr(0, c.expectedOut.size()), c.expectedOut) << outcome.out;
    else
        EXPECT_EQ(outcome.out, c.expectedOut);
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineAnswers,
    ::testing::Values(
        AnswerCase{"version", {"--version"}, "Rowsweep " ROWSWEEP_VERSION "\n", false},
        AnswerCase{"help", {"--help"}, "Usage: rowsweep [options]\n", true}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

struct RefusalCase {
    const char* name;
    QStringList arguments;
    std::vector<std::pair<const char*, const char*>> environment;
    int exitCode;
    std::string expectedErr;
};

class CommandLineRefusals : public ::testing::TestWithParam<RefusalCase> {};

// Each ends with one line on standard error and nothing on standard output:
// no window, no abort, no advice about reinstalling.
TEST_P(CommandLineRefusals, SaysWhyInOneLine)
{
    const RefusalCase& c = GetParam();
    QProcessEnvironment environment = withoutDisplay();
    for (const auto& [name, value] : c.environment)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    const Outcome outcome = run(c.arguments, environment);
    EXPECT_EQ(outcome.exitCode, c.exitCode);
    EXPECT_EQ(outcome.err, c.expectedErr);
    EXPECT_EQ(outcome.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CommandLineRefusals,
    ::testing::Values(
        RefusalCase{"unknown_long_option", {"--frobnicate"}, {}, 2,
                    "rowsweep: unknown option '--frobnicate'; see 'rowsweep --help'\n"},
        // Refused before the dead display is ever tried.
        RefusalCase{"unknown_option_with_display", {"-x"}, {{"DISPLAY", ":55"}}, 2,
                    "rowsweep: unknown option '-x'; see 'rowsweep --help'\n"},
        RefusalCase{"no_display_variables", {}, {}, 1,
                    "rowsweep: cannot open display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n"},
        // Nothing serves display 55: a stale session or a dead server.
        RefusalCase{"dead_display", {}, {{"DISPLAY", ":55"}}, 1, "rowsweep: cannot open display :55\n"},
        RefusalCase{"refused_tcp_display", {}, {{"DISPLAY", "127.0.0.1:55"}}, 1,
                    "rowsweep: cannot open display 127.0.0.1:55\n"},
        RefusalCase{"dead_display_option", {"-display", ":55"}, {}, 1, "rowsweep: cannot open display :55\n"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

// Qt's -platform option reaches Qt: with it the program starts without any
// display variable instead of refusing.
TEST(CommandLineQtOptions, PlatformOptionReachesQt)
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(QStringLiteral(ROWSWEEP_PROGRAM), {"-platform", "offscreen"});
    ASSERT_TRUE(process.waitForStarted());
    const bool ended = process.waitForFinished(3000);
    const QByteArray err = process.readAllStandardError();
    if (!ended) {
        process.kill();
        process.waitForFinished();
    }
    EXPECT_FALSE(ended) << "exited with " << process.exitCode() << ": " << err.toStdString();
    EXPECT_FALSE(err.contains("cannot open display")) << err.toStdString();
}

}  // namespace
