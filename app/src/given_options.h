#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::app {

// The options of ours as given, before they are checked against each other.
struct GivenOptions {
    bool help = false;
    bool version = false;
    // --exact or --floating-point, the last one given.
    std::optional<steps::Arithmetic> arithmetic;
    bool practice = false;  // the Practice window opens at start
    bool steps = false;
    bool latex = false;
    bool sheet = false;
    std::optional<QString> pdf;
    std::optional<QString> exercises;
    std::optional<QString> kind;
    std::optional<QString> first;
    QStringList files;  // the arguments that are no option
};

}  // namespace rowsweep::app
