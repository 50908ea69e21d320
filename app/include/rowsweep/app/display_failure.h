#pragma once

#include <QString>

namespace rowsweep::app {

// While the application starts, Qt reports a display it cannot open with a
// warning, then a fatal message with advice meant for a broken
// installation, and aborts. While a report lives, that fatal message
// becomes the one line "rowsweep: cannot open display NAME" and exit
// status 1; any other failure to start (a platform plugin that is missing
// or lacks a library) becomes one line of Qt's own account of it,
// "rowsweep: Could not find the Qt platform plugin ...", and status 1. The
// platform plugin's own warnings are held back; when the report ends, the
// display has opened and they are passed on to Qt's handler. Only one
// report may live at a time.
class DisplayFailureReport {
public:
    // `displayOption` is Qt's -display option; when it is empty the display
    // named by DISPLAY, or else WAYLAND_DISPLAY, is the one reported.
    explicit DisplayFailureReport(const QString& displayOption);
    ~DisplayFailureReport();
    DisplayFailureReport(const DisplayFailureReport&) = delete;
    DisplayFailureReport& operator=(const DisplayFailureReport&) = delete;
};

}  // namespace rowsweep::app
