#include <cstdio>
#include <cstdlib>

#include <QApplication>

#include "rowsweep/ui/main_window.h"

namespace {

// Without a display Qt would abort with a long explanation; one line is enough.
bool displayAvailable()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("rowsweep: no display available (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rowsweep"));
    QApplication::setApplicationVersion(QStringLiteral(ROWSWEEP_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROWSWEEP_APP_ID));

    rowsweep::ui::MainWindow mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
