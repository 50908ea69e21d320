#pragma once

#include <QPixmap>
#include <QPushButton>

namespace rowsweep::ui {

// A push button whose caption wraps onto a second line when it is wider
// than the button, and which may show a picture centred above its caption
// within the height of an ordinary button (a graphical button).
class ClassicButton final : public QPushButton {
public:
    ClassicButton(const QString& caption, QWidget* parent, QPixmap picture = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace rowsweep::ui
