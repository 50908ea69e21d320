// The About window, shown modally from the main window: its lifecycle,
// keys, link colours and layout. Actions inside the modal showing are
// scheduled before "About" is clicked; the watchdog ends a stuck showing.

#include <map>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/look/contrast.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

class AboutTest : public MainWindowTest {
protected:
    // Clicks "About" and runs `inside` while the window is shown modally;
    // returns once the showing has ended.
    void openAbout(const std::function<void(AboutWindow&)>& inside)
    {
        bool ran = false;
        expectModal(true);
        whenModalAppears([&](QWidget& modal) {
            ran = true;
            ASSERT_EQ(modal.objectName(), toQString(names::kAboutWindow));
            inside(static_cast<AboutWindow&>(modal));
        });
        click(*form_, names::kAboutButton);
        expectModal(false);
        EXPECT_TRUE(ran) << "the About window was shown modally";
    }

    static QWidget& control(AboutWindow& about, std::string_view name)
    {
        auto* widget = about.findChild<QWidget*>(toQString(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string(name));
        return *widget;
    }

    // Through the window system, as a real pointer would: the move reaches
    // the widget under it only if that widget tracks the mouse.
    static void moveTo(QWidget& window, QPoint position)
    {
        QTest::mouseMove(window.windowHandle(), position);
    }

    static void moveOver(QWidget& widget)
    {
        moveTo(*widget.window(), widget.mapTo(widget.window(), widget.rect().center()));
    }

    // A click through the window system, which refuses input to windows
    // blocked by a modal one.
    static void systemClick(QWidget& window, std::string_view name)
    {
        QWidget& target = *window.findChild<QWidget*>(toQString(name));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, target.mapTo(&window, target.rect().center()));
    }
};

TEST_F(AboutTest, ShowsModallyWhileTheOtherWindowsTakeNoInput)
{
    click(*form_, names::kWatchButton);
    openAbout([&](AboutWindow& about) {
        EXPECT_EQ(QApplication::activeModalWidget(), &about);
        systemClick(*form_, names::kSampleButton);  // "Sample" must not react
        EXPECT_EQ(cell(*form_, elementName(names::kInputRows[0], 0)).text(), "");
        EXPECT_EQ(QApplication::focusWidget(), &control(about, names::kCreditsText)) << "the text has the initial focus";
        QTest::keyClick(&control(about, names::kCreditsText), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &control(about, names::kOkButton));
        click(about, names::kOkButton);
    });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    systemClick(*form_, names::kSampleButton);
    EXPECT_EQ(cell(*form_, elementName(names::kInputRows[0], 0)).text(), "1") << "the main window takes input again";
}

// Ok only hides: the next About shows the same window, its link in the
// colour it was left in. Closing destroys it: the next About loads it anew.
TEST_F(AboutTest, OkHidesTheWindowAndClosingDestroysIt)
{
    for (const bool ok : {true, false}) {
        QPointer<AboutWindow> first;
        openAbout([&](AboutWindow& about) {
            first = &about;
            EXPECT_EQ(about.linkColour(), kLinkRestingColour) << "set on load";
            moveOver(control(about, names::kMakerLink));
            if (ok)
                click(about, names::kOkButton);
            else
                about.close();
        });
        flushDeferredDeletes();
        EXPECT_EQ(first.isNull(), !ok) << "ok " << ok;
        openAbout([&](AboutWindow& about) {
            EXPECT_EQ(&about == first.data(), ok);
            EXPECT_EQ(about.linkColour(), ok ? kLinkHoverColour : kLinkRestingColour) << "ok " << ok;
            about.close();
        });
        flushDeferredDeletes();
        EXPECT_TRUE(form_->isVisible());
    }
}

struct KeyCase {
    std::string_view focus;
    Qt::Key key;
    bool hides;
};

TEST_F(AboutTest, OnlyEnterOnTheFocusedOkButtonHidesTheWindow)
{
    const KeyCase cases[] = {
        {names::kCreditsText, Qt::Key_Escape, false}, {names::kCreditsText, Qt::Key_Return, false},
        {names::kCreditsText, Qt::Key_Enter, false},
        {names::kOkButton, Qt::Key_Escape, false}, {names::kOkButton, Qt::Key_Return, true},
    };
    for (const KeyCase& keyCase : cases) {
        bool visibleAfterKey = false;
        openAbout([&](AboutWindow& about) {
            QWidget& target = control(about, keyCase.focus);
            target.setFocus(Qt::OtherFocusReason);
            EXPECT_EQ(static_cast<QPushButton&>(control(about, names::kOkButton)).isDefault(),
                      keyCase.focus == names::kOkButton)
                << "drawn as the button Enter presses only while it has the focus";
            QTest::keyClick(&target, keyCase.key);
            visibleAfterKey = about.isVisible();
            if (about.isVisible())
                click(about, names::kOkButton);
        });
        EXPECT_EQ(visibleAfterKey, !keyCase.hides) << keyCase.focus << " key " << keyCase.key;
        EXPECT_NE(loadedAbout(), nullptr) << "a key never destroys the window";
    }
}

TEST_F(AboutTest, LinkColourFollowsTheMouseAndAClickOpensTheMakersPageOnce)
{
    struct Move {
        std::string_view over;  // empty: the window's background
        QColor expected;
    };
    // Qt drops a move to where the pointer already is, so start elsewhere.
    const Move moves[] = {
        {{}, kLinkRestingColour}, {names::kMakerLink, kLinkHoverColour}, {{}, kLinkRestingColour}, {names::kMakerLink, kLinkHoverColour},
        {names::kCreditsText, kLinkRestingColour}, {names::kMakerLink, kLinkHoverColour}, {names::kOkButton, kLinkRestingColour},
        {names::kMakerLink, kLinkHoverColour},
    };
    openAbout([&](AboutWindow& about) {
        for (const Move& move : moves) {
            if (!move.over.empty())
                moveOver(control(about, move.over));
            else
                moveTo(about, QPoint(4, about.height() - 4));
            EXPECT_EQ(about.linkColour(), move.expected) << (&move - moves) << " " << (move.over.empty() ? "background" : move.over);
        }
        // Out of the window straight from the label: only leave events arrive.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&control(about, names::kMakerLink), &leave);
        QApplication::sendEvent(&about, &leave);
        EXPECT_EQ(about.linkColour(), kLinkHoverColour);
        click(about, names::kMakerLink);
        EXPECT_TRUE(about.isVisible()) << "the link leaves the window open";
        EXPECT_EQ(openedLinks_, std::vector<QUrl>{QUrl(QString::fromLatin1(kMakerAddress))});
        click(about, names::kOkButton);
    });
}

TEST_F(AboutTest, EndingTheProgramDestroysAHiddenAboutWindow)
{
    openAbout([&](AboutWindow& about) { click(about, names::kOkButton); });
    QPointer<AboutWindow> about = loadedAbout();
    ASSERT_TRUE(about);
    answerBoxes({QMessageBox::Ok});
    const int exitCode = runEventLoop([&] { click(*form_, names::kExitButton); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(about.isNull());
}

TEST_F(AboutTest, ClosingTheMainWindowDuringTheModalShowingEndsTheProgram)
{
    QPointer<AboutWindow> about;
    bool shown = false;
    expectModal(true);
    const int exitCode = runEventLoop([&] {
        whenModalAppears([&](QWidget& modal) {
            shown = modal.objectName() == toQString(names::kAboutWindow);
            about = static_cast<AboutWindow*>(&modal);
            form_->close();
        });
        click(*form_, names::kAboutButton);
    });
    expectModal(false);
    EXPECT_TRUE(shown);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(about.isNull()) << "the About window is destroyed with the program";
    EXPECT_TRUE(seenBoxes_.empty()) << "closing never asks";
}

// The credits are read, never edited, and every word of them and of the
// link is in view without scrolling.
TEST_F(AboutTest, CreditsAndLinkShowWhole)
{
    AboutWindow& about = loadAbout(*form_);
    auto& text = static_cast<QPlainTextEdit&>(control(about, names::kCreditsText));
    EXPECT_TRUE(text.isReadOnly());
    EXPECT_TRUE(text.toPlainText().startsWith(QStringLiteral("Rowsweep v "))) << "the name and version come first";
    EXPECT_EQ(text.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text.horizontalScrollBar()->maximum(), 0);
    auto& label = static_cast<QLabel&>(control(about, names::kMakerLink));
    EXPECT_EQ(label.text(), kMakerAddress);
    EXPECT_GE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
}

// The link as drawn: its background is the commonest pixel of its place in
// the window, its text the pixel that stands out most from that.
struct DrawnLink {
    QColor background;
    QColor text;
    [[nodiscard]] double contrast() const { return contrastRatio(background, text); }
};

DrawnLink drawnLink(AboutWindow& about, QWidget& link)
{
    const QImage image = about.grab(link.geometry()).toImage();
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    DrawnLink drawn;
    int most = 0;
    for (const auto& [rgb, count] : counts)
        if (count > most) {
            most = count;
            drawn.background = QColor::fromRgb(rgb);
        }
    drawn.text = drawn.background;
    for (const auto& [rgb, count] : counts)
        if (contrastRatio(QColor::fromRgb(rgb), drawn.background) > drawn.contrast())
            drawn.text = QColor::fromRgb(rgb);
    return drawn;
}

TEST(ContrastRatio, MatchesTheKnownRatios)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(118, 118, 118), Qt::white), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0, 0, 150), QColor(0, 0, 150)), 1.0, 1e-9);
}

TEST_F(AboutTest, LinkStaysReadableUnderADarkTheme)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{light};

    for (const bool darkTheme : {false, true}) {
        QApplication::setPalette(darkTheme ? dark : light);
        openAbout([&](AboutWindow& about) {
            QWidget& link = control(about, names::kMakerLink);
            moveTo(about, {2, 2});
            const DrawnLink resting = drawnLink(about, link);
            EXPECT_EQ(about.linkColour(), kLinkRestingColour);
            EXPECT_GE(resting.contrast(), kReadableContrast) << "at rest, dark theme " << darkTheme;

            moveOver(link);
            const DrawnLink hover = drawnLink(about, link);
            EXPECT_EQ(about.linkColour(), kLinkHoverColour);
            EXPECT_GE(hover.contrast(), kReadableContrast) << "under the mouse, dark theme " << darkTheme;
            EXPECT_NE(hover.text, resting.text) << "the hover change shows, dark theme " << darkTheme;
            if (!darkTheme) {
                EXPECT_EQ(resting.background, about.palette().color(QPalette::Window)) << "no background of its own";
            }
            about.close();
        });
    }
}

}  // namespace
}  // namespace rowsweep::ui::testing
