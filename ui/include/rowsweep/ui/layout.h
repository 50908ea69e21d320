#pragma once

#include <span>
#include <string_view>

#include <QString>

#include "rowsweep/ui/twips.h"

class QWidget;

namespace rowsweep::ui {

enum class ControlKind {
    Frame,
    PushButton,
    GraphicalButton,  // a push button with a picture above its caption
    Picture,
    TextBox,
    Label,
};

inline constexpr int kNoTabIndex = -1;

// One row of a window's layout table.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view caption;
    TwipRect rect;
    int tabIndex = kNoTabIndex;
};

// A run of consecutive tab indices over the elements of one control array,
// counting the array index up or down from `first` to `last`.
struct TabRun {
    int firstTabIndex;
    std::string_view array;
    int first;
    int last;
};

// "Text1" and 3 give "Text1(3)": the object name of a control-array element.
[[nodiscard]] QString elementName(std::string_view array, int index);

[[nodiscard]] QString toQString(std::string_view text);

// Chains the focus order of the window's controls by ascending tab index.
// Controls that take no focus (frames, pictures) keep their place in the
// numbering but are left out of the chain.
void applyTabOrder(QWidget& window, std::span<const ControlSpec> controls, std::span<const TabRun> elements);

}  // namespace rowsweep::ui
