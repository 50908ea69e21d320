#pragma once

#include <QColor>

namespace rowsweep::ui {

// The least contrast at which normal text counts as readable.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours by their relative luminance, from 1
// (the same) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

}  // namespace rowsweep::ui
