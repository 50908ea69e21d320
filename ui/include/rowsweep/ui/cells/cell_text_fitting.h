#pragma once

#include <optional>

#include <QFont>
#include <QString>

#include "rowsweep/engine/written_number.h"

namespace rowsweep::ui {

// The text a cell draws while the user is not editing it, and the font it
// draws it in: the whole text at the largest size from the cell's own down
// to kSmallestCellTextScale of it at which it fits; a text that does not
// fit even then is shortened (see shortenedCellText) at that smallest
// size, or where not even its shortest form fits there, at the size that
// form fits at. `number` is the written form of a number the program wrote; a
// typed text is read as typed.
struct FittedCellText {
    QString text;
    QFont font;
};
inline constexpr double kSmallestCellTextScale = 0.6;
[[nodiscard]] FittedCellText fitCellText(const QString& text, const std::optional<WrittenNumber>& number,
                                         const QFont& font, int width);

}  // namespace rowsweep::ui
