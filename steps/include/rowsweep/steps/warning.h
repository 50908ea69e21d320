#pragma once

namespace rowsweep::steps {

// The warning shown after a reduction whose third row is not all zero; the
// worked solution repeats it where it was shown.
inline constexpr char kMathErrorText[] = "Probably this system do not have a solving";
inline constexpr char kMathErrorTitle[] = "Math error";

}  // namespace rowsweep::steps
