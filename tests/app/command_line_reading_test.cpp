// Reading the arguments, called directly: which arguments are answered at
// once, with what, and which start the windows. What only the running
// program shows (no display needed, exit statuses) is in command_line_test.cpp.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include <QStringList>

#include "rowsweep/app/command_line.h"
#include "rowsweep/version.h"

namespace rowsweep::app {
namespace {

constexpr char kUsageLine[] = "Usage: rowsweep [options]\n";

struct ReadingCase {
    const char* name;
    QStringList arguments;  // after the program's name
    std::optional<int> exitStatus;  // empty: the windows start
    std::string out;  // exact; for help, its first line
    std::string err;
    QString displayName = {};
    std::optional<steps::Arithmetic> arithmetic = std::nullopt;  // for this run
};

// A failing case is named, not dumped as bytes.
void PrintTo(const ReadingCase& c, std::ostream* out)
{
    *out << c.name;
}

class CommandLineReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(CommandLineReading, AnswersOrStartsTheWindows)
{
    const ReadingCase& c = GetParam();
    const CommandLine commandLine = readCommandLine(QStringList{QStringLiteral("rowsweep")} + c.arguments);
    const std::optional<Answer> answer = answerWithoutWindows(commandLine);
    ASSERT_EQ(answer.has_value(), c.exitStatus.has_value());
    if (answer) {
        EXPECT_EQ(answer->exitStatus, *c.exitStatus);
        if (c.out == kUsageLine)
            EXPECT_EQ(answer->out.substr(0, c.out.size()), c.out) << answer->out;
        else
            EXPECT_EQ(answer->out, c.out);
        EXPECT_EQ(answer->err, c.err);
    }
    EXPECT_EQ(commandLine.displayName, c.displayName);
    EXPECT_EQ(commandLine.arithmetic, c.arithmetic);
}

const std::string kVersionLine = "Rowsweep " ROWSWEEP_VERSION "\n";

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineReading,
    ::testing::Values(
        ReadingCase{"nothing", {}, std::nullopt, "", ""},
        // Qt's own options, with their values, are left for Qt.
        ReadingCase{"qt_options", {"-platform", "offscreen", "-style", "Fusion", "-reverse"}, std::nullopt, "", ""},
        ReadingCase{"display_option", {"-display", ":55"}, std::nullopt, "", "", ":55"},
        ReadingCase{"exact", {"--exact"}, std::nullopt, "", "", {}, steps::Arithmetic::Exact},
        ReadingCase{"floating_point", {"--floating-point"}, std::nullopt, "", "", {}, steps::Arithmetic::FloatingPoint},
        ReadingCase{"last_arithmetic_counts", {"--floating-point", "-style", "Fusion", "--exact"}, std::nullopt, "", "",
                    {}, steps::Arithmetic::Exact},
        ReadingCase{"last_arithmetic_counts_backwards", {"--exact", "--floating-point"}, std::nullopt, "", "", {},
                    steps::Arithmetic::FloatingPoint},
        ReadingCase{"version", {"--version"}, 0, kVersionLine, ""},
        ReadingCase{"version_short", {"-v"}, 0, kVersionLine, ""},
        ReadingCase{"version_after_qt_style", {"-style", "Fusion", "--version"}, 0, kVersionLine, ""},
        ReadingCase{"help", {"--help"}, 0, kUsageLine, ""},
        ReadingCase{"help_short", {"-h"}, 0, kUsageLine, ""},
        ReadingCase{"help_before_version", {"--version", "--help"}, 0, kUsageLine, ""},
        ReadingCase{"unknown_long_option", {"--frobnicate"}, 2, "",
                    "rowsweep: unknown option '--frobnicate'; see 'rowsweep --help'\n"},
        ReadingCase{"unknown_option_as_typed", {"--frobnicate=1"}, 2, "",
                    "rowsweep: unknown option '--frobnicate=1'; see 'rowsweep --help'\n"},
        ReadingCase{"unknown_short_option", {"-x"}, 2, "", "rowsweep: unknown option '-x'; see 'rowsweep --help'\n"},
        ReadingCase{"refusal_before_help", {"-h", "-x"}, 2, "", "rowsweep: unknown option '-x'; see 'rowsweep --help'\n"},
        ReadingCase{"qt_option_without_value", {"-style"}, 2, "",
                    "rowsweep: missing value after '-style'; see 'rowsweep --help'\n"},
        ReadingCase{"stray_argument", {"matrix.txt"}, 2, "",
                    "rowsweep: unexpected argument 'matrix.txt'; see 'rowsweep --help'\n"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

// Every option Qt's documentation lists with a value (QGuiApplication,
// QApplication, the X11 platform) passes its value on, also a value that
// reads like one of ours, and the option after it is still read.
TEST(CommandLineQtOptions, PassTheirValueOn)
{
    const char* const withValue[] = {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                                     "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-style", "-stylesheet",
                                     "-session", "-display", "-geometry", "-title", "-icon", "-name", "-visual",
                                     "-qmljsdebugger"};
    for (const char* option : withValue)
        for (const char* value : {"Fusion", "--version", "-x"}) {
            const CommandLine commandLine = readCommandLine(
                {QStringLiteral("rowsweep"), QString::fromLatin1(option), QString::fromLatin1(value), QStringLiteral("--exact")});
            EXPECT_FALSE(answerWithoutWindows(commandLine).has_value()) << option << ' ' << value;
            EXPECT_EQ(commandLine.arithmetic, steps::Arithmetic::Exact) << option << ' ' << value;
        }
}

TEST(CommandLineHelp, NamesEveryOptionWithTheDescriptionsInOneColumn)
{
    const QString help = helpText();
    EXPECT_TRUE(help.startsWith(QString::fromLatin1(kUsageLine))) << help.toStdString();
    for (const char* option : {"-h, --help", "-v, --version", "--exact", "--floating-point", "-style"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option << " missing from\n" << help.toStdString();

    const QStringList lines = help.section(QStringLiteral("Options:\n"), 1).split(u'\n', Qt::SkipEmptyParts);
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
