#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace rowsweep::ui {

class ClickableLabel;

inline constexpr QColor kLinkRestingColour{0, 0, 150};
inline constexpr QColor kLinkHoverColour{0, 50, 255};

// The three lines of the About text, each ended by CR LF, in the language
// the windows speak. The English wording, "Programer" included, is the
// program's own.
[[nodiscard]] QString aboutText();

// The About window: name, version and credits, and the link to the maker's
// page whose colour follows the mouse. Run modally (exec) from the main
// window; "Ok" only hides it, its close button destroys it.
class AboutWindow final : public QDialog {
public:
    AboutWindow();

    [[nodiscard]] QColor linkColour() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setLinkColour(const QColor& colour);
    void keepLinkReadable();

    QPlainTextEdit* credits_ = nullptr;
    QPushButton* ok_ = nullptr;
    ClickableLabel* link_ = nullptr;
};

// MS Sans Serif 8.25 pt bold where it is installed, otherwise the toolkit's
// sans-serif at that size, bold.
[[nodiscard]] QFont linkFont();

}  // namespace rowsweep::ui
