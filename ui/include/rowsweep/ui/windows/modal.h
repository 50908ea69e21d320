#pragma once

class QWidget;

namespace rowsweep::ui {

// Shows the window application-modal and returns once it has been hidden
// or destroyed; meanwhile the other windows take no input.
void showModal(QWidget& window);

}  // namespace rowsweep::ui
