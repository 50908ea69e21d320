#include "rowsweep/document/paper.h"

#include <algorithm>
#include <array>

namespace rowsweep::document {

QPageSize paperFor(const QLocale& locale)
{
    static constexpr std::array kLetterTerritories{
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,     QLocale::Philippines, QLocale::PuertoRico,
        QLocale::Bolivia,      QLocale::Chile,     QLocale::Colombia,   QLocale::CostaRica,   QLocale::ElSalvador,
        QLocale::Guatemala,    QLocale::Nicaragua, QLocale::Panama,     QLocale::Venezuela,
    };
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(), locale.territory())
                        != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QLocale desktopLocale(LocaleCategory category)
{
    const char* const own = category == LocaleCategory::Paper ? "LC_PAPER" : "LC_TIME";
    for (const char* variable : {"LC_ALL", own, "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (name.isEmpty())
            continue;
        if (name == u"C" || name == u"POSIX" || name.startsWith(u"C."))
            return QLocale::c();
        return QLocale(name);
    }
    return QLocale();
}

QPageSize desktopPaper()
{
    return paperFor(desktopLocale(LocaleCategory::Paper));
}

}  // namespace rowsweep::document
