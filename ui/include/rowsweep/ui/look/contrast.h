#pragma once

#include <QColor>

namespace rowsweep::ui {

// The least contrast at which normal text counts as readable.
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours by their relative luminance, from 1
// (the same) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// The red of a mark on input that counted as 0, readable on `base`: no
// platform theme Qt 6.4 reads offers an error colour, and on a dark base a
// lighter red keeps the mark readable.
[[nodiscard]] QColor markRed(const QColor& base);

}  // namespace rowsweep::ui
