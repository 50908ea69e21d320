#include "rowsweep/app/command_line.h"

#include <algorithm>
#include <cstdlib>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "rowsweep/version.h"

namespace rowsweep::app {

namespace {

constexpr int kUsageError = 2;

// Our own options, in the order --help lists them. Each sets its field of
// the command line; the help text and the parser are both made from here.
struct OptionRow {
    const char* shortName;  // nullptr when it has none
    const char* longName;
    const char* description;  // one line, short enough not to wrap
    void (*apply)(CommandLine&);
};
constexpr OptionRow kOptions[] = {
    {"h", "help", "Show this help and exit.", [](CommandLine& line) { line.help = true; }},
    {"v", "version", "Show the version and exit.", [](CommandLine& line) { line.version = true; }},
    {nullptr, "exact", "Solve in exact fractions for this run.",
     [](CommandLine& line) { line.arithmetic = steps::Arithmetic::Exact; }},
    {nullptr, "floating-point", "Solve in floating point for this run.",
     [](CommandLine& line) { line.arithmetic = steps::Arithmetic::FloatingPoint; }},
    {nullptr, "practice", "Open the Practice window at start.", [](CommandLine& line) { line.practice = true; }},
};

constexpr char kDescription[] =
    "Reduces a 3 x 6 augmented matrix by elementary row operations and shows\n"
    "every stage in its windows. Qt's own options, such as -style NAME or\n"
    "-platform NAME, are accepted too.";

// The options that QGuiApplication, QApplication and the X11 platform take
// out of the arguments themselves. The parser has to know them, or it would
// call "-style Fusion" unknown before Qt ever sees it.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},       {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},         {"qwindowgeometry", true},    {"geometry", true},
    {"qwindowtitle", true},   {"title", true},              {"qwindowicon", true},
    {"icon", true},           {"session", true},            {"display", true},
    {"name", true},           {"visual", true},             {"style", true},
    {"stylesheet", true},     {"qmljsdebugger", true},      {"reverse", false},
    {"widgetcount", false},   {"nograb", false},            {"dograb", false},
    {"sync", false},          {"testability", false},
};

QStringList namesOf(const OptionRow& row)
{
    QStringList names;
    if (row.shortName != nullptr)
        names << QString::fromLatin1(row.shortName);
    names << QString::fromLatin1(row.longName);
    return names;
}

// "-h, --help", as the help lists the option.
QString listedNames(const OptionRow& row)
{
    const QString longName = QStringLiteral("--") + QString::fromLatin1(row.longName);
    return row.shortName == nullptr ? longName : QStringLiteral("-%1, %2").arg(QString::fromLatin1(row.shortName), longName);
}

// The option as the user wrote it ("-bogus" or "--bogus=1"), for the message.
QString asTyped(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments) {
        QString bare = argument;
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (bare == name || bare.startsWith(name + u'='))
            return argument;
    }
    return QStringLiteral("--") + name;
}

// Why the parser refused the arguments, as a clause that goes between
// "rowsweep: " and "; see 'rowsweep --help'".
QString refusal(const QCommandLineParser& parser, bool parsed, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unknown option '%1'").arg(asTyped(arguments, parser.unknownOptionNames().constFirst()));
    if (!parsed) {
        QString error = parser.errorText();
        if (error.endsWith(u'.'))
            error.chop(1);
        if (!error.isEmpty())
            error[0] = error[0].toLower();
        return error;
    }
    return QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
}

std::string toLocal(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-style"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : kOptions)
        parser.addOption(QCommandLineOption(namesOf(row)));
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        parser.addOption(option);
    }

    CommandLine commandLine;
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        commandLine.error = refusal(parser, parsed, arguments);
        return commandLine;
    }
    // In the order given, so that of --exact and --floating-point the last
    // one counts; Qt's options have no row here.
    for (const QString& name : parser.optionNames())
        for (const OptionRow& row : kOptions)
            if (namesOf(row).contains(name))
                row.apply(commandLine);
    commandLine.displayName = parser.value(QStringLiteral("display"));
    return commandLine;
}

CommandLine readCommandLine(int argc, const char* const argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return readCommandLine(arguments);
}

// A refusal comes before everything else, and help before the version.
std::optional<Answer> answerWithoutWindows(const CommandLine& commandLine)
{
    if (!commandLine.error.isEmpty())
        return Answer{kUsageError, {}, toLocal(QStringLiteral("rowsweep: %1; see 'rowsweep --help'\n").arg(commandLine.error))};
    if (commandLine.help)
        return Answer{EXIT_SUCCESS, toLocal(helpText()), {}};
    if (commandLine.version)
        return Answer{EXIT_SUCCESS, "Rowsweep " ROWSWEEP_VERSION "\n", {}};
    return std::nullopt;
}

QString helpText()
{
    qsizetype width = 0;
    for (const OptionRow& row : kOptions)
        width = std::max(width, listedNames(row).size());
    QString text = QStringLiteral("Usage: rowsweep [options]\n%1\n\nOptions:\n").arg(QString::fromLatin1(kDescription));
    for (const OptionRow& row : kOptions)
        text += QStringLiteral("  %1  %2\n").arg(listedNames(row).leftJustified(width), QString::fromLatin1(row.description));
    return text;
}

}  // namespace rowsweep::app
