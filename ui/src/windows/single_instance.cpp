#include "rowsweep/ui/windows/single_instance.h"

#include <algorithm>

#include <QEvent>

namespace rowsweep::ui {

InstanceSlot::InstanceSlot(Factory factory)
    : factory_(std::move(factory))
{
}

InstanceSlot::~InstanceSlot()
{
    destroy();
}

QWidget& InstanceSlot::get()
{
    if (current_.isNull()) {
        QWidget* window = factory_();
        window->installEventFilter(this);
        current_ = window;
    }
    return *current_;
}

void InstanceSlot::destroy()
{
    for (QPointer<QWidget>& window : closing_)
        delete window.data();
    closing_.clear();
    const bool hadWindow = !current_.isNull();
    delete current_.data();
    if (hadWindow)
        release();
}

void InstanceSlot::release()
{
    if (released_)
        released_();
}

bool InstanceSlot::eventFilter(QObject* watched, QEvent* event)
{
    // No window refuses its close, so a close always goes through and ends in
    // a deferred deletion. Not WA_DeleteOnClose: a dialog run with exec()
    // would then be deleted when merely hidden.
    if (event->type() == QEvent::Close && watched == current_.data()) {
        current_->deleteLater();
        closing_.erase(std::remove_if(closing_.begin(), closing_.end(),
                                      [](const QPointer<QWidget>& window) { return window.isNull(); }),
                       closing_.end());
        closing_.push_back(current_);
        current_.clear();
        release();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rowsweep::ui
