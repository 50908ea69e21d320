#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/version.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

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

struct CommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    QString error;
    QString helpText;
    QString displayName;  // from -display, when given
};

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

// Reads the arguments before any window system is touched, so that --help,
// --version and a mistyped option are answered without a display.
CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-style"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Reduces a 3 x 6 augmented matrix by elementary row operations and shows\n"
        "every stage in its windows. Qt's own options, such as -style NAME or\n"
        "-platform NAME, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::UsageError;
        if (!parser.unknownOptionNames().isEmpty()) {
            result.error = QStringLiteral("unknown option '%1'")
                               .arg(asTyped(arguments, parser.unknownOptionNames().constFirst()));
        } else if (!parsed) {
            result.error = parser.errorText();
            if (result.error.endsWith(u'.'))
                result.error.chop(1);
            result.error[0] = result.error[0].toLower();
        } else {
            result.error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst());
        }
        return result;
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        // Without an application object the parser cannot know the program's name.
        result.helpText = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("rowsweep"));
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Version;
    }
    result.displayName = parser.value(QStringLiteral("display"));
    return result;
}

QByteArray g_displayName;
QtMessageHandler g_qtMessageHandler = nullptr;

struct HeldBackMessage {
    QtMsgType type;
    QByteArray category;
    QString message;
};
std::vector<HeldBackMessage> g_heldBack;

// While the application starts, Qt reports a display it cannot open with a
// warning, then a fatal message with advice meant for a broken installation,
// and aborts. Say it in one line and exit with status 1 instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        if (g_displayName.isEmpty())
            std::fputs("rowsweep: cannot open display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        else
            std::fprintf(stderr, "rowsweep: cannot open display %s\n", g_displayName.constData());
        std::fflush(stderr);
        std::_Exit(kNoDisplay);
    }
    // The platform plugin's own account of a failure, which the line above
    // replaces; held back until the application is up, then passed on.
    const QByteArray category(context.category != nullptr ? context.category : "");
    if (category.startsWith("qt.qpa.")) {
        g_heldBack.push_back({type, category, message});
        return;
    }
    if (g_qtMessageHandler != nullptr)
        g_qtMessageHandler(type, context, message);
}

// The application started after all: its platform messages were only warnings.
void passOnHeldBackMessages()
{
    for (const HeldBackMessage& held : g_heldBack) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        if (g_qtMessageHandler != nullptr)
            g_qtMessageHandler(held.type, context, held.message);
    }
    g_heldBack.clear();
}

QByteArray displayToName(const CommandLine& commandLine)
{
    if (!commandLine.displayName.isEmpty())
        return commandLine.displayName.toLocal8Bit();
    QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty())
        name = qgetenv("WAYLAND_DISPLAY");
    return name;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Rowsweep"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROWSWEEP_VERSION));
    // Lets the desktop match the window to its menu entry and icon (Wayland);
    // on X11 the window class "Rowsweep", from the application name, does.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROWSWEEP_APP_ID));

    const CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(qPrintable(commandLine.helpText), stdout);
        return EXIT_SUCCESS;
    case CommandLine::Action::Version:
        std::puts("Rowsweep " ROWSWEEP_VERSION);
        return EXIT_SUCCESS;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "rowsweep: %s; see 'rowsweep --help'\n", qPrintable(commandLine.error));
        return kUsageError;
    case CommandLine::Action::Run:
        break;
    }

    g_displayName = displayToName(commandLine);
    g_qtMessageHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtMessageHandler);
    passOnHeldBackMessages();

    rowsweep::ui::MainWindow mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
