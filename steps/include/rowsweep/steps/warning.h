#pragma once

#include <QtGlobal>

namespace rowsweep::steps {

// The warning shown after a reduction whose third row is not all zero; the
// worked solution repeats it where it was shown. Translated under
// kMathErrorContext where it is shown.
inline constexpr char kMathErrorContext[] = "MathError";
//: Text of the message box shown when row 3 of the result is not all zero. The odd English is the program's own; translate the meaning.
inline constexpr char kMathErrorText[] = QT_TRANSLATE_NOOP("MathError", "Probably this system do not have a solving");
//: Title of the message box shown when row 3 of the result is not all zero.
inline constexpr char kMathErrorTitle[] = QT_TRANSLATE_NOOP("MathError", "Math error");

}  // namespace rowsweep::steps
