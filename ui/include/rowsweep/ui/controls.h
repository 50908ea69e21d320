#pragma once

#include <functional>

#include "rowsweep/ui/layout.h"

class QWidget;

namespace rowsweep::ui {

// Creates a button, picture, label or text box from its layout row: object
// name, geometry and caption. Frames hold grids and are built by their window.
QWidget* createControl(const ControlSpec& layout, QWidget* parent);

// Calls `handler` on each click of a control made by createControl.
void onClick(QWidget& control, std::function<void()> handler);

}  // namespace rowsweep::ui
