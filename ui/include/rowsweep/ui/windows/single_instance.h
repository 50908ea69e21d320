#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rowsweep::ui {

// A window that exists at most once and is referred to by name: the first
// reference creates it (its constructor runs its load step) and leaves it
// hidden; closing it destroys it, and the next reference creates it anew.
class InstanceSlot final : public QObject {
public:
    using Factory = std::function<QWidget*()>;

    explicit InstanceSlot(Factory factory);
    ~InstanceSlot() override;
    InstanceSlot(const InstanceSlot&) = delete;
    InstanceSlot& operator=(const InstanceSlot&) = delete;

    QWidget& get();
    // Runs when the current window is closed or destroyed.
    void onRelease(std::function<void()> released) { released_ = std::move(released); }
    [[nodiscard]] QWidget* loaded() const { return current_.data(); }

    // Destroys the window at once, without running its close handling.
    void destroy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    Factory factory_;
    std::function<void()> released_;
    QPointer<QWidget> current_;
    // Closed windows wait for their deferred deletion; a reference made in
    // the meantime must already see a new window.
    std::vector<QPointer<QWidget>> closing_;
};

template <typename Window>
class SingleInstance {
public:
    explicit SingleInstance(std::function<Window*()> factory)
        : slot_([factory = std::move(factory)]() -> QWidget* { return factory(); })
    {
    }

    Window& get() { return static_cast<Window&>(slot_.get()); }
    void onRelease(std::function<void()> released) { slot_.onRelease(std::move(released)); }
    [[nodiscard]] Window* loaded() const { return static_cast<Window*>(slot_.loaded()); }
    void destroy() { slot_.destroy(); }

private:
    InstanceSlot slot_;
};

}  // namespace rowsweep::ui
