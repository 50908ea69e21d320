#include "rowsweep/app/command_line.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <variant>

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "batch_options.h"
#include "given_options.h"
#include "rowsweep/version.h"

namespace rowsweep::app {

namespace {

constexpr int kUsageError = 2;

// Our own options, in the order --help lists them. Each sets its field of
// the options given; the help text and the parser are both made from here.
struct OptionRow {
    const char* shortName;  // nullptr when it has none
    const char* longName;
    const char* valueName;    // nullptr when it takes no value
    const char* description;  // one line, short enough not to wrap
    void (*apply)(GivenOptions&, const QString& value);
};
constexpr OptionRow kOptions[] = {
    {"h", "help", nullptr, "Show this help and exit.", [](GivenOptions& given, const QString&) { given.help = true; }},
    {"v", "version", nullptr, "Show the version and exit.",
     [](GivenOptions& given, const QString&) { given.version = true; }},
    {nullptr, "exact", nullptr, "Solve in exact fractions for this run.",
     [](GivenOptions& given, const QString&) { given.arithmetic = steps::Arithmetic::Exact; }},
    {nullptr, "floating-point", nullptr, "Solve in floating point for this run.",
     [](GivenOptions& given, const QString&) { given.arithmetic = steps::Arithmetic::FloatingPoint; }},
    {nullptr, "steps", nullptr, "Write the worked solutions of FILE's matrices; no window.",
     [](GivenOptions& given, const QString&) { given.steps = true; }},
    {nullptr, "latex", nullptr, "With --steps: one LaTeX document instead of plain text.",
     [](GivenOptions& given, const QString&) { given.latex = true; }},
    {nullptr, "pdf", "OUT", "With --steps or --sheet: write a PDF document to OUT.",
     [](GivenOptions& given, const QString& value) { given.pdf = value; }},
    {nullptr, "sheet", nullptr, "Lay out FILE's matrices as an exercise sheet (with --pdf).",
     [](GivenOptions& given, const QString&) { given.sheet = true; }},
    {nullptr, "exercises", "N", "Write N generated exercises (1 to 1000) as a matrix file.",
     [](GivenOptions& given, const QString& value) { given.exercises = value; }},
    {nullptr, "kind", "KIND", "With --exercises: one, many, none or any solution (any).",
     [](GivenOptions& given, const QString& value) { given.kind = value; }},
    {nullptr, "first", "NUMBER", "With --exercises: the number of the first one (1).",
     [](GivenOptions& given, const QString& value) { given.first = value; }},
    {nullptr, "practice", nullptr, "Open the Practice window at start.",
     [](GivenOptions& given, const QString&) { given.practice = true; }},
};

constexpr char kDescription[] =
    "Reduces a 3 x 6 augmented matrix by elementary row operations and shows\n"
    "every stage in its windows. Qt's own options, such as -style NAME or\n"
    "-platform NAME, are accepted too.\n"
    "\n"
    "With --steps, --sheet or --exercises it opens no window and needs no\n"
    "display. A matrix FILE (standard input when it is - or missing) holds\n"
    "groups of one to three lines, a line a row of up to six cells apart by\n"
    "tabs or blanks; blank lines part the groups, and a line \"# Exercise N\"\n"
    "names the group that follows. A refused file is named with its line on\n"
    "standard error, with exit status 2; an output that cannot be written,\n"
    "with exit status 1.";

// An example for every option, a command line and what it does.
constexpr std::pair<const char*, const char*> kExamples[] = {
    {"rowsweep --exact", "Start the windows in exact fractions this once."},
    {"rowsweep --practice", "Start with the Practice window open."},
    {"rowsweep --exercises 20 --kind one > sheet.txt", "Twenty exercises with one solution each, numbered from 1."},
    {"rowsweep --exercises 5 --first 4711", "Exercises 4711 to 4715, of any kind."},
    {"rowsweep --sheet --pdf sheet.pdf sheet.txt", "The exercise sheet for the students."},
    {"rowsweep --steps --exact --pdf key.pdf sheet.txt", "Its answer key, in exact fractions, a page per matrix."},
    {"rowsweep --steps --floating-point sheet.txt", "The worked solutions as plain text, in floating point."},
    {"rowsweep --steps --latex < sheet.txt > key.tex", "One LaTeX document, read from standard input."},
    {"rowsweep --version", "Name the version; --help shows this text."},
};

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

// "-h, --help" or "--pdf OUT", as the help lists the option.
QString listedNames(const OptionRow& row)
{
    QString longName = QStringLiteral("--") + QString::fromLatin1(row.longName);
    if (row.valueName != nullptr)
        longName += u' ' + QString::fromLatin1(row.valueName);
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
QString refusal(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unknown option '%1'").arg(asTyped(arguments, parser.unknownOptionNames().constFirst()));
    QString error = parser.errorText();
    if (error.endsWith(u'.'))
        error.chop(1);
    if (!error.isEmpty())
        error[0] = error[0].toLower();
    return error;
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
    for (const OptionRow& row : kOptions) {
        QCommandLineOption option(namesOf(row));
        if (row.valueName != nullptr)
            option.setValueName(QString::fromLatin1(row.valueName));
        parser.addOption(option);
    }
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        parser.addOption(option);
    }

    CommandLine commandLine;
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.unknownOptionNames().isEmpty()) {
        commandLine.error = refusal(parser, arguments);
        return commandLine;
    }
    // In the order given, so that of --exact and --floating-point the last
    // one counts; Qt's options have no row here.
    GivenOptions given;
    for (const QString& name : parser.optionNames())
        for (const OptionRow& row : kOptions)
            if (namesOf(row).contains(name))
                row.apply(given, row.valueName != nullptr ? parser.value(name) : QString());
    given.files = parser.positionalArguments();
    const BatchChoice batch = batchRequest(given);
    if (const QString* why = std::get_if<QString>(&batch)) {
        commandLine.error = *why;
        return commandLine;
    }
    commandLine.help = given.help;
    commandLine.version = given.version;
    commandLine.practice = given.practice;
    commandLine.arithmetic = given.arithmetic;
    commandLine.batch = std::get<std::optional<batch::Request>>(batch);
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
    QString text = QStringLiteral("Usage: rowsweep [options]\n"
                                  "       rowsweep --steps [--exact|--floating-point] [--latex|--pdf OUT] [FILE]\n"
                                  "       rowsweep --sheet --pdf OUT [FILE]\n"
                                  "       rowsweep --exercises N [--kind KIND] [--first NUMBER]\n"
                                  "%1\n\nOptions:\n")
                       .arg(QString::fromLatin1(kDescription));
    for (const OptionRow& row : kOptions)
        text += QStringLiteral("  %1  %2\n").arg(listedNames(row).leftJustified(width), QString::fromLatin1(row.description));
    text += QStringLiteral("\nExamples:\n");
    for (const auto& [line, what] : kExamples)
        text += QStringLiteral("  %1\n      %2\n").arg(QString::fromLatin1(line), QString::fromLatin1(what));
    return text;
}

}  // namespace rowsweep::app
