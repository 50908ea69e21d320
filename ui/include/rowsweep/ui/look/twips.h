#pragma once

#include <QRect>
#include <QSize>

namespace rowsweep::ui {

// Layouts are designed in twips; at 96 dpi a pixel is 15 twips. Qt scales
// device-independent pixels on high-DPI screens, so the layout follows.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips) noexcept
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

[[nodiscard]] constexpr QRect toPixels(TwipRect rect) noexcept
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

[[nodiscard]] constexpr QSize toPixels(int widthTwips, int heightTwips) noexcept
{
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

}  // namespace rowsweep::ui
