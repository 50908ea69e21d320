#include "rowsweep/ui/desktop/maker_link.h"

#include <QCoreApplication>
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
    //: What a screen reader calls the picture and the link that open the maker's web page.
    control.setAccessibleName(QCoreApplication::translate("MakerLink", "Maker's web page"));
    //: What a screen reader says the maker's link does; %1 is the web address.
    control.setAccessibleDescription(
        QCoreApplication::translate("MakerLink", "Opens %1 in the web browser").arg(QLatin1String(kMakerAddress)));
}

}  // namespace rowsweep::ui
