#pragma once

#include <string_view>

#include <QColor>
#include <QWidget>

namespace rowsweep::ui {

// A vertical line from (x, top) to (x, bottom), in twips relative to its
// container, which clips whatever lies beyond its edge.
struct LineSpec {
    std::string_view name;
    int x;
    int top;
    int bottom;
};

// The light grey of scroll bars on a classic desktop.
inline constexpr QColor kScrollBarGrey{200, 200, 200};

class SeparatorLine final : public QWidget {
    Q_OBJECT

public:
    SeparatorLine(const LineSpec& line, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace rowsweep::ui
