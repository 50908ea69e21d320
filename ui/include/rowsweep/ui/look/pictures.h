#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>

namespace rowsweep::ui {

inline constexpr QPoint kHandHotSpot{16, 14};
inline constexpr QPoint kPointingHandHotSpot{12, 1};

[[nodiscard]] QPixmap tablePicture();   // 16 x 16, the main window's icon
[[nodiscard]] QPixmap makerPicture();   // 32 x 32, the link to the maker's page
[[nodiscard]] QPixmap aboutPicture();   // 16 x 16, on the "About" button
[[nodiscard]] QCursor handCursor();           // 32 x 32, over the maker's picture
[[nodiscard]] QCursor pointingHandCursor();   // 32 x 32, over the About window's link

}  // namespace rowsweep::ui
