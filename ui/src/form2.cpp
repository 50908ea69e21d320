#include "rowsweep/ui/form2.h"

#include <array>

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>

#include "rowsweep/ui/accessibility.h"
#include "rowsweep/ui/controls.h"
#include "rowsweep/ui/layout.h"
#include "rowsweep/ui/maker_link.h"
#include "rowsweep/ui/pictures.h"
#include "rowsweep/ui/window_style.h"

namespace rowsweep::ui {

namespace {

constexpr int kClientWidth = 3885;
constexpr int kClientHeight = 2850;

constexpr std::array<ControlSpec, 3> kControls{{
    {"Text1", ControlKind::TextBox, "", {360, 120, 3135, 1095}, 0},
    {"Command1", ControlKind::PushButton, "Ok", {840, 2040, 2175, 495}, 1},
    {"Label1", ControlKind::Label, kMakerAddress, {600, 1560, 2655, 255}, 2},
}};

constexpr double kLinkPointSize = 8.25;

// A text box shows its lines with Qt's own line ends.
QString displayedText()
{
    return QString::fromLatin1(kAboutText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QFont linkFont()
{
    const QString classic = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::families().contains(classic) ? QFont(classic)
                                                             : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kLinkPointSize);
    font.setBold(true);
    return font;
}

Form2::Form2()
    : QWidget(nullptr, kCloseOnlyDialog)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(QIcon(aboutPicture()));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    centreWhenFirstShown(*this);

    for (const ControlSpec& control : kControls)
        createControl(control, this);
    auto* text = findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    text->setPlainText(displayedText());
    text->setReadOnly(true);
    text->setAccessibleName(QString::fromLatin1(kAboutTextName));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_ = text;
    text1Viewport_ = text->viewport();
    command1_ = findChild<QWidget*>(QStringLiteral("Command1"));
    label1_ = findChild<QLabel*>(QStringLiteral("Label1"));
    label1_->setFont(linkFont());
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label1_->setCursor(pointingHandCursor());
    describeMakerLink(*label1_);

    // The link colour follows the mouse even when no button is held.
    setMouseTracking(true);
    for (QWidget* watched : {text1_, text1Viewport_, command1_, static_cast<QWidget*>(label1_)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    onClick(*command1_, [this] { Command1_Click(); });
    onClick(*label1_, [this] { Label1_Click(); });

    applyTabOrder(*this, kControls, {});
    text1_->setFocus();
    Form_Load();
}

void Form2::Form_Load()
{
    setLinkColour(kLinkRestingColour);
}

void Form2::mouseMoveEvent(QMouseEvent* /*event*/)
{
    Form_MouseMove();
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    if (watched == label1_) {
        Label1_MouseMove();
        return true;  // the move must not reach the window's background as well
    }
    if (watched == text1_ || watched == text1Viewport_)
        Text1_MouseMove();
    else if (watched == command1_)
        Command1_MouseMove();
    return QWidget::eventFilter(watched, event);
}

void Form2::Form_MouseMove() { setLinkColour(kLinkRestingColour); }
void Form2::Text1_MouseMove() { setLinkColour(kLinkRestingColour); }
void Form2::Command1_MouseMove() { setLinkColour(kLinkRestingColour); }
void Form2::Label1_MouseMove() { setLinkColour(kLinkHoverColour); }

void Form2::Label1_Click()
{
    openMakerPage();
}

void Form2::Command1_Click()
{
    hide();
}

QColor Form2::linkColour() const
{
    return label1_->palette().color(QPalette::WindowText);
}

void Form2::setLinkColour(const QColor& colour)
{
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText, colour);
    label1_->setPalette(palette);
}

}  // namespace rowsweep::ui
