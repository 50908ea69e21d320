#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

#include "rowsweep/batch/batch_run.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::app {

// What the user asked for on the command line: our options (the option
// table in command_line.cpp), checked against each other; Qt's own options
// are left for QApplication to take out of the arguments.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString displayName;  // Qt's -display option, when given
    // --exact or --floating-point, the last one given: this run only.
    std::optional<steps::Arithmetic> arithmetic;
    bool practice = false;  // --practice: the Practice window opens at start
    // --steps, --sheet or --exercises: a run without windows. Its
    // arithmetic is left for the caller to settle from `arithmetic`.
    std::optional<batch::Request> batch;
    QString error;        // why the arguments were refused; empty when they were not
};

// Reads the arguments, the program's name first. Touches no window system,
// so it may run before any application object exists.
[[nodiscard]] CommandLine readCommandLine(const QStringList& arguments);
[[nodiscard]] CommandLine readCommandLine(int argc, const char* const argv[]);

// What the program says, and with which exit status it ends, when the
// command line alone answers it: a refused argument, --help or --version.
struct Answer {
    int exitStatus = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Empty when the program is to start its windows.
[[nodiscard]] std::optional<Answer> answerWithoutWindows(const CommandLine& commandLine);

// The usage, the description and one line per option of ours.
[[nodiscard]] QString helpText();

}  // namespace rowsweep::app
