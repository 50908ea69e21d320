#include "rowsweep/ui/windows/modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace rowsweep::ui {

namespace {

class HideWatcher final : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop)
        : loop_(loop)
    {
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

void showModal(QWidget& window)
{
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (window.isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (!guard.isNull())
        guard->removeEventFilter(&watcher);
}

}  // namespace rowsweep::ui
