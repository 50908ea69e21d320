#include "rowsweep/app/display_failure.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QByteArray>
#include <QtGlobal>

namespace rowsweep::app {

namespace {

constexpr int kNoDisplay = 1;

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
};
Report g_report;

void reportingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        if (g_report.displayName.isEmpty())
            std::fputs("rowsweep: cannot open display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n", stderr);
        else
            std::fprintf(stderr, "rowsweep: cannot open display %s\n", g_report.displayName.constData());
        std::fflush(stderr);
        std::_Exit(kNoDisplay);
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
