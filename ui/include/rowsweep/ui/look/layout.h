#pragma once

#include <span>
#include <string_view>
#include <vector>

#include <QString>
#include <QWidget>

#include "rowsweep/ui/look/twips.h"

namespace rowsweep::ui {

inline constexpr int kNoTabIndex = -1;
inline constexpr int kNotAnElement = -1;

// One row of a window's layout table: where a control sits (twips, relative
// to its container) and its place in the Tab order.
struct ControlPlacement {
    std::string_view name;
    std::string_view caption;
    TwipRect rect;
    int tabIndex = kNoTabIndex;
};

// A vertical line from (x, top) to (x, bottom), in twips relative to its
// container, which clips whatever lies beyond its edge.
struct LinePlacement {
    std::string_view name;
    int index;  // the element of a control array of lines, or kNotAnElement
    int x;
    int top;
    int bottom;
};

[[nodiscard]] QString toQString(std::string_view text);

// The captions of windows, frames and buttons are translated in one
// context: they are marked QT_TRANSLATE_NOOP("Caption", "...") where they
// are written, as in the layout tables.
inline constexpr char kCaptionContext[] = "Caption";

// A caption in the language the windows speak.
[[nodiscard]] QString captionText(std::string_view caption);

// "Text1" and 3 give "Text1(3)": the object name of a control-array element.
[[nodiscard]] QString elementName(std::string_view array, int index);

// Names a new control and puts it where its layout row says.
template <typename Control>
Control* place(Control* control, const ControlPlacement& placement)
{
    control->setObjectName(toQString(placement.name));
    control->setGeometry(toPixels(placement.rect));
    return control;
}

// A control with its tab index, as collected while a window is built.
struct TabStop {
    int tabIndex;
    QWidget* control;
};

// Chains the focus order by ascending tab index. Controls that take no
// focus (frames, pictures) keep their place in the numbering but are left
// out of the chain.
void chainTabOrder(std::vector<TabStop> stops);

}  // namespace rowsweep::ui
