#include "rowsweep/app/display_failure.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QByteArray>
#include <QtGlobal>

namespace rowsweep::app {

namespace {

constexpr int kCannotStart = 1;

struct HeldBackMessage {
    QtMsgType type;
    QByteArray category;
    QString message;
};

// Qt calls its message handler as a plain function, without any argument
// of ours, so what the handler needs can only live here.
struct Report {
    QByteArray displayName;
    QtMessageHandler qtHandler = nullptr;
    std::vector<HeldBackMessage> heldBack;
    bool displayRefused = false;
};
Report g_report;

// How the platform plugins say that the display would not connect: X11's
// "could not connect to display :55", Wayland's "Failed to create wl_display".
bool saysDisplayRefused(const QString& message)
{
    return message.contains(QLatin1String("connect to display")) || message.contains(QLatin1String("wl_display"));
}

QByteArray displayFailureLine()
{
    if (g_report.displayName.isEmpty())
        return "rowsweep: cannot open display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n";
    return "rowsweep: cannot open display " + g_report.displayName + "\n";
}

// Anything else is said in Qt's words, on one line: the platform plugin's
// own account when it gave one (a plugin not found, a library it lacks),
// else the fatal message, whose advice about reinstalling is left out.
QByteArray startFailureLine(const QString& fatal)
{
    QString cause = fatal;
    for (const HeldBackMessage& held : g_report.heldBack)
        if (held.type != QtDebugMsg && held.type != QtInfoMsg) {
            cause = held.message;
            break;
        }
    return "rowsweep: " + cause.section(u'\n', 0, 0).trimmed().toLocal8Bit() + "\n";
}

void reportingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    g_report.displayRefused = g_report.displayRefused || saysDisplayRefused(message);
    if (type == QtFatalMsg) {
        std::fputs((g_report.displayRefused ? displayFailureLine() : startFailureLine(message)).constData(), stderr);
        std::fflush(stderr);
        std::_Exit(kCannotStart);
    }
    // The platform plugin's own account of a failure, which the line above
    // replaces; held back until the application is up, then passed on.
    const QByteArray category(context.category != nullptr ? context.category : "");
    if (category.startsWith("qt.qpa.")) {
        g_report.heldBack.push_back({type, category, message});
        return;
    }
    if (g_report.qtHandler != nullptr)
        g_report.qtHandler(type, context, message);
}

QByteArray displayToOpen(const QString& displayOption)
{
    if (!displayOption.isEmpty())
        return displayOption.toLocal8Bit();
    QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty())
        name = qgetenv("WAYLAND_DISPLAY");
    return name;
}

}  // namespace

DisplayFailureReport::DisplayFailureReport(const QString& displayOption)
{
    g_report.displayName = displayToOpen(displayOption);
    g_report.qtHandler = qInstallMessageHandler(reportingHandler);
}

// The application started after all: its platform messages were only warnings.
DisplayFailureReport::~DisplayFailureReport()
{
    qInstallMessageHandler(g_report.qtHandler);
    for (const HeldBackMessage& held : g_report.heldBack) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        if (g_report.qtHandler != nullptr)
            g_report.qtHandler(held.type, context, held.message);
    }
    g_report = {};
}

}  // namespace rowsweep::app
