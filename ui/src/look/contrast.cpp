#include "rowsweep/ui/look/contrast.h"

#include <algorithm>
#include <cmath>

namespace rowsweep::ui {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor markRed(const QColor& base)
{
    constexpr QColor kRed{192, 0, 0};
    constexpr QColor kRedOnDark{255, 128, 128};
    return contrastRatio(kRed, base) >= kReadableContrast ? kRed : kRedOnDark;
}

}  // namespace rowsweep::ui
