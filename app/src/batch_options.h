#pragma once

#include <optional>
#include <variant>

#include <QString>

#include "given_options.h"
#include "rowsweep/batch/batch_run.h"

namespace rowsweep::app {

// The run without windows the options ask for, none when they ask for the
// windows, or why they do not go together: a clause such as "--latex and
// --pdf do not go together".
using BatchChoice = std::variant<std::optional<batch::Request>, QString>;
[[nodiscard]] BatchChoice batchRequest(const GivenOptions& given);

}  // namespace rowsweep::app
