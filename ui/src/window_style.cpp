#include "rowsweep/ui/window_style.h"

#include <QGuiApplication>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace rowsweep::ui {

void centreOnScreen(QWidget& window)
{
    QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QStyle& frameStyle()
{
    // Owned by the application, so it outlives every frame that uses it.
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style.isNull())
            style = QApplication::style();
        else
            style->setParent(qApp);
    }
    return *style;
}

}  // namespace rowsweep::ui
