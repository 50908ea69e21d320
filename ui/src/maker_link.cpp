#include "rowsweep/ui/maker_link.h"

#include <QDesktopServices>
#include <QUrl>

namespace rowsweep::ui {

namespace {

LinkOpener& opener()
{
    static LinkOpener instance;
    return instance;
}

}  // namespace

void setLinkOpener(LinkOpener newOpener)
{
    opener() = std::move(newOpener);
}

void openMakerPage()
{
    const QUrl address(QString::fromLatin1(kMakerAddress));
    if (opener())
        opener()(address);
    else
        static_cast<void>(QDesktopServices::openUrl(address));
}

QString makerAddressTooltip()
{
    return QStringLiteral("\"%1\"").arg(QLatin1String(kMakerAddress));
}

}  // namespace rowsweep::ui
