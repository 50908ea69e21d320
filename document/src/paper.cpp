#include "rowsweep/document/paper.h"

#include <algorithm>
#include <array>

#include <QLocale>

namespace rowsweep::document {

QPageSize paperFor(const QLocale& locale)
{
    // Besides the countries that measure in inches, these keep Letter.
    static constexpr std::array kLetterTerritories{QLocale::Canada,   QLocale::Mexico,    QLocale::Chile,
                                                   QLocale::Colombia, QLocale::Venezuela, QLocale::Philippines};
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem
                        || std::find(kLetterTerritories.begin(), kLetterTerritories.end(), locale.territory())
                               != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

}  // namespace rowsweep::document
