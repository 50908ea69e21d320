#include "rowsweep/ui/windows/about_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "rowsweep/ui/desktop/accessibility.h"
#include "rowsweep/ui/look/classic_button.h"
#include "rowsweep/ui/look/clickable_label.h"
#include "rowsweep/ui/look/contrast.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/look/pictures.h"
#include "rowsweep/ui/look/window_style.h"
#include "rowsweep/version.h"
#include "about_window_controls.h"

namespace rowsweep::ui {

using namespace about_window;

namespace {

// Under a dark theme the link's dark blues vanish into the window; on a
// background of its own they read as well as on the default one.
constexpr QColor kLinkOwnBackground{255, 255, 255};

constexpr char kAuthor[] = "Jonas Berg";
constexpr char kMaker[] = "Example Software";

// A text box shows its lines with Qt's own line ends.
QString displayedText()
{
    return aboutText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QString aboutText()
{
    const QString lines[] = {
        QStringLiteral("Rowsweep v " ROWSWEEP_VERSION_MAJOR_MINOR "   "),
        //: Second line of the About text; %1 is the author's name. "Programer" is the program's own English spelling: write your language's usual word correctly.
        QCoreApplication::translate("AboutWindow", "Programer: %1").arg(QLatin1String(kAuthor)),
        //: Third line of the About text, crediting the maker; %1 is the maker's name.
        QCoreApplication::translate("AboutWindow", "Made by %1").arg(QLatin1String(kMaker)),
    };
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

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

AboutWindow::AboutWindow()
    : QDialog(nullptr, kCloseOnlyDialog)
{
    setObjectName(toQString(names::kAboutWindow));
    setWindowTitle(QCoreApplication::translate("Caption", "About"));
    setWindowIcon(QIcon(aboutPicture()));
    setFixedSize(toPixels(kClientWidth, kClientHeight));
    centreWhenFirstShown(*this);

    credits_ = place(new QPlainTextEdit(displayedText(), this), kCredits);
    credits_->setTabChangesFocus(true);
    credits_->setReadOnly(true);
    //: What a screen reader calls the About window's text box, which has the focus when the window opens.
    credits_->setAccessibleName(QCoreApplication::translate("AboutWindow", "About Rowsweep"));
    credits_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    credits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    credits_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Neither default nor cancel button: Enter presses it only while it has
    // the focus (see eventFilter), and Escape never does (keyPressEvent).
    // Auto-default would make a dialog keep it the default for good.
    ok_ = place(new ClassicButton(captionText(kOk.caption), this), kOk);
    ok_->setAutoDefault(false);
    // Only hides: the window stays loaded and keeps its link colour.
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    link_ = place(new ClickableLabel(toQString(kLink.caption), this), kLink);
    link_->setFont(linkFont());
    link_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    link_->setCursor(pointingHandCursor());
    describeMakerLink(*link_);
    connect(link_, &ClickableLabel::clicked, this, &openMakerPage);

    // The link colour follows the mouse even when no button is held.
    setMouseTracking(true);
    for (QWidget* watched : {static_cast<QWidget*>(credits_), credits_->viewport(), static_cast<QWidget*>(ok_),
                             static_cast<QWidget*>(link_)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }

    chainTabOrder({{kCredits.tabIndex, credits_}, {kOk.tabIndex, ok_}, {kLink.tabIndex, link_}});
    credits_->setFocus();
    setLinkColour(kLinkRestingColour);
    keepLinkReadable();
}

// A dialog answers Escape with its close handling and Enter with its
// default button; this window does neither.
void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
}

// A move over a control that ignores it comes on to the window as well;
// only a move over the background itself is the window's own.
void AboutWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr)
        setLinkColour(kLinkRestingColour);
}

// Only moves over the window's own parts bring the link back to rest: a
// mouse that leaves the window straight from the link leaves it lit.
//
// "Ok" is the default button while it has the focus, and only then: Enter
// presses it and it is drawn as the one Enter would press.
bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ok_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        ok_->setDefault(event->type() == QEvent::FocusIn);
    if (event->type() != QEvent::MouseMove)
        return QDialog::eventFilter(watched, event);
    if (watched == link_) {
        setLinkColour(kLinkHoverColour);
        return true;  // the move must not reach the window's background as well
    }
    setLinkColour(kLinkRestingColour);
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        keepLinkReadable();
    QDialog::changeEvent(event);
}

// Both link colours stay as they are; where the window's background would
// make either hard to read, the link gets a light background of its own.
void AboutWindow::keepLinkReadable()
{
    const QColor background = palette().color(QPalette::Window);
    const bool readable = contrastRatio(kLinkRestingColour, background) >= kReadableContrast
                          && contrastRatio(kLinkHoverColour, background) >= kReadableContrast;
    QPalette palette = link_->palette();
    palette.setColor(QPalette::Window, readable ? background : kLinkOwnBackground);
    link_->setPalette(palette);
    link_->setAutoFillBackground(!readable);
}

QColor AboutWindow::linkColour() const
{
    return link_->palette().color(QPalette::WindowText);
}

void AboutWindow::setLinkColour(const QColor& colour)
{
    QPalette palette = link_->palette();
    palette.setColor(QPalette::WindowText, colour);
    link_->setPalette(palette);
}

}  // namespace rowsweep::ui
