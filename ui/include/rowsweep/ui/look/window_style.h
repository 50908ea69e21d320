#pragma once

#include <Qt>

class QWidget;

namespace rowsweep::ui {

// Title bar with minimize and close but no maximize button.
inline constexpr Qt::WindowFlags kMinimizeCloseWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                                        | Qt::WindowCloseButtonHint;

// Title bar with the close button only.
inline constexpr Qt::WindowFlags kCloseOnlyDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Places a top-level window in the middle of the available area of its
// screen when it is shown for the first time.
void centreWhenFirstShown(QWidget& window);

}  // namespace rowsweep::ui

class QStyle;

namespace rowsweep::ui {

// Frames draw their caption on the top edge of their border, as on a
// classic desktop form, so that a control placed just below the caption
// sits inside the border.
[[nodiscard]] QStyle& frameStyle();

}  // namespace rowsweep::ui
