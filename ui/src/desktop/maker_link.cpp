#include "rowsweep/ui/desktop/maker_link.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

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

void describeMakerLink(QWidget& control)
{
    control.setAccessibleName(QStringLiteral("Maker's web page"));
    control.setAccessibleDescription(
        QStringLiteral("Opens %1 in the web browser").arg(QLatin1String(kMakerAddress)));
}

}  // namespace rowsweep::ui
