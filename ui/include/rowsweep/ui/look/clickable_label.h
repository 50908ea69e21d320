#pragma once

#include <QLabel>

namespace rowsweep::ui {

// A picture or a text that reports a click: press and release of the left
// button over it.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Acts as a click of the mouse; assistive technology presses it so.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace rowsweep::ui
