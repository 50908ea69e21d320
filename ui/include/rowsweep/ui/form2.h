#pragma once

#include <QColor>
#include <QWidget>

#include "rowsweep/version.h"

class QLabel;

namespace rowsweep::ui {

inline constexpr QColor kLinkRestingColour{0, 0, 150};
inline constexpr QColor kLinkHoverColour{0, 50, 255};

// The three lines of the About text, each ended by CR LF.
inline constexpr char kAboutText[] =
    "Rowsweep v " ROWSWEEP_VERSION_MAJOR_MINOR "   \r\n"
    "Programer: Jonas Berg\r\n"
    "Made by Example Software\r\n";

// The About window: name, version and credits, and the link to the maker's
// page whose colour follows the mouse. Shown modally from the main window;
// "Ok" only hides it.
class Form2 final : public QWidget {
public:
    Form2();

    [[nodiscard]] QColor linkColour() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_MouseMove();
    void Text1_MouseMove();
    void Command1_MouseMove();
    void Label1_MouseMove();
    void Label1_Click();
    void Command1_Click();

    void setLinkColour(const QColor& colour);

    QWidget* text1_ = nullptr;
    QWidget* text1Viewport_ = nullptr;
    QWidget* command1_ = nullptr;
    QLabel* label1_ = nullptr;
};

// MS Sans Serif 8.25 pt bold where it is installed, otherwise the toolkit's
// sans-serif at that size, bold.
[[nodiscard]] QFont linkFont();

}  // namespace rowsweep::ui
