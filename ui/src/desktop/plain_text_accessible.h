#pragma once

class QAccessibleInterface;
class QPlainTextEdit;

namespace rowsweep::ui {

// What assistive technology reads of the About window's text box: its
// text, caret and selection, without the parts Qt builds it from.
[[nodiscard]] QAccessibleInterface* plainTextAccessible(QPlainTextEdit* text);

}  // namespace rowsweep::ui
