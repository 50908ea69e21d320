#pragma once

#include <QString>

namespace rowsweep::steps {

// A number as the cells write it: up to 15 significant digits, "Infinity",
// "-Infinity" or "NaN".
[[nodiscard]] QString numberText(double value);

}  // namespace rowsweep::steps
