#pragma once

#include "rowsweep/ui/look/clickable_label.h"

namespace rowsweep::ui {

// A one-line text that always holds its whole line but draws it shortened
// with an ellipsis where it is wider than itself; hovering then shows it
// whole, above the details. A screen reader hears the line as its name and
// the details as its description, and may press it as a click does.
class VerdictLine final : public ClickableLabel {
public:
    using ClickableLabel::ClickableLabel;

    void showLine(const QString& line, const QString& details);
    // The line as it is drawn: whole, or shortened with an ellipsis.
    [[nodiscard]] QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] bool lineFits() const;
    void updateToolTip();

    QString details_;
};

}  // namespace rowsweep::ui
