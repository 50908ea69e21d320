#include "rowsweep/ui/look/pictures.h"

#include <QString>

// The resource lives in a static library: nothing would pull it into the
// program unless it is registered by name, which only works outside a namespace.
static void registerPictureResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace rowsweep::ui {

namespace {

QPixmap picture(const char* name)
{
    static const bool registered = (registerPictureResource(), true);
    static_cast<void>(registered);
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
