#pragma once

#include <QtGlobal>

#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/object_names.h"

// The About window's layout: the credits, the Ok button and the link to
// the maker's page, in their Tab order.
namespace rowsweep::ui::about_window {

inline constexpr int kClientWidth = 3885;
inline constexpr int kClientHeight = 2850;

inline constexpr ControlPlacement kCredits{names::kCreditsText, "", {360, 120, 3135, 1095}, 0};
//: Button: closes the About window.
inline constexpr ControlPlacement kOk{names::kOkButton, QT_TRANSLATE_NOOP("Caption", "Ok"), {840, 2040, 2175, 495}, 1};
inline constexpr ControlPlacement kLink{names::kMakerLink, kMakerAddress, {600, 1560, 2655, 255}, 2};

inline constexpr double kLinkPointSize = 8.25;

}  // namespace rowsweep::ui::about_window
