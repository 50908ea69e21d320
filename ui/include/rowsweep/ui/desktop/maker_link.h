#pragma once

#include <functional>

#include <QString>

class QUrl;
class QWidget;

namespace rowsweep::ui {

// The maker's web page, opened from the main window's picture and from the
// About window's link.
inline constexpr char kMakerAddress[] = "https://www.example.org/";

// Hands an address to the desktop's default handler. Whether that worked is
// of no interest: a missing browser must not disturb the program.
using LinkOpener = std::function<void(const QUrl&)>;

// An empty opener restores the desktop's own.
void setLinkOpener(LinkOpener opener);

void openMakerPage();

// The address in double quotes, as the picture's tooltip shows it.
[[nodiscard]] QString makerAddressTooltip();

// Tells a screen reader what a control that opens the maker's page is for.
void describeMakerLink(QWidget& control);

}  // namespace rowsweep::ui
