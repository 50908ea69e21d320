#include "rowsweep/ui/pictures.h"

#include <QString>

namespace rowsweep::ui {

namespace {

QPixmap picture(const char* name)
{
    QPixmap pixmap(QStringLiteral(":/rowsweep/%1").arg(QLatin1String(name)));
    Q_ASSERT_X(!pixmap.isNull(), "picture", name);
    return pixmap;
}

}  // namespace

QPixmap tablePicture() { return picture("table16.xpm"); }
QPixmap makerPicture() { return picture("globe32.xpm"); }
QPixmap aboutPicture() { return picture("about16.xpm"); }
QCursor handCursor() { return QCursor(picture("hand32.xpm"), kHandHotSpot.x(), kHandHotSpot.y()); }
QCursor pointingHandCursor()
{
    return QCursor(picture("pointing_hand32.xpm"), kPointingHandHotSpot.x(), kPointingHandHotSpot.y());
}

}  // namespace rowsweep::ui
