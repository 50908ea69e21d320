#pragma once

#include <optional>

#include <QString>

#include "rowsweep/engine/written_number.h"

namespace rowsweep::ui {

// What a cell holds: its text and, where the program wrote a number, the
// number's written form, which draws its shortened text without reading
// the text back.
struct CellContent {
    QString text;
    std::optional<WrittenNumber> number;
    // Where the typing cursor stands once the content is back; -1: at the end.
    int cursor = 0;
};

}  // namespace rowsweep::ui
