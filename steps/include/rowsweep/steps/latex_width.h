#pragma once

#include <QString>

namespace rowsweep::steps {

// A default article page at 10 pt is 345 pt wide; a little is kept back
// for what the estimate misses.
inline constexpr double kLatexLineWidth = 340.0;

// How wide a piece of math is set in a 10 pt text, in points: never less
// than pdflatex sets it, and not much more.
[[nodiscard]] double estimatedWidth(const QString& latex);

// The same in the script size, as the label of an arrow is set.
[[nodiscard]] double estimatedScriptWidth(const QString& latex);

// Whether a line of display math fits a default article page.
[[nodiscard]] bool fitsTheLine(const QString& latex);

}  // namespace rowsweep::steps
