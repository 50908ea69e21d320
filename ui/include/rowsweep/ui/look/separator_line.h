#pragma once

#include <QColor>
#include <QWidget>

#include "rowsweep/ui/look/layout.h"

namespace rowsweep::ui {

// The light grey of scroll bars on a classic desktop.
inline constexpr QColor kScrollBarGrey{200, 200, 200};

// The line that sets the augmented column apart from the coefficients.
class SeparatorLine final : public QWidget {
    Q_OBJECT

public:
    SeparatorLine(const LinePlacement& line, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rowsweep::ui
