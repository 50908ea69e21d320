#include "rowsweep/ui/look/window_style.h"

#include <QGuiApplication>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace rowsweep::ui {

namespace {

void centreOnScreen(QWidget& window)
{
    QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Centres its window on the first Show event, then removes itself.
class FirstShowCentring final : public QObject {
public:
    explicit FirstShowCentring(QWidget& window)
        : QObject(&window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            centreOnScreen(*static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centreWhenFirstShown(QWidget& window)
{
    new FirstShowCentring(window);
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
