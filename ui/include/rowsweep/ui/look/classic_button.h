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

    // Where the caption is drawn, wrapped at word boundaries: below the
    // picture, if any, and inside the button's edges.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] QRect pictureRect() const;

    QPixmap picture_;
};

}  // namespace rowsweep::ui
