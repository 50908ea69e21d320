// How the main and Solving windows are laid out: positions, tab order,
// focus, title bar, pictures and cursors.

#include <algorithm>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/look/pictures.h"
#include "rowsweep/ui/look/separator_line.h"
#include "ui_fixture.h"

namespace rowsweep::ui::testing {
namespace {

class LayoutTest : public MainWindowTest {
protected:
    SolvingWindow& solving() { return form_->solvingWindow().get(); }

    QWidget& window(char which) { return which == '1' ? static_cast<QWidget&>(*form_) : solving(); }

};

// What a user would see go wrong in a layout: a control clipped by its
// frame or window, two controls on top of each other, the separator line
// not between the fifth and sixth columns, the buttons out of their column.
TEST_F(LayoutTest, NothingOverlapsOrIsClippedAndTheLineSetsOffColumnSix)
{
    for (QWidget* w : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(&solving())}) {
        QList<QWidget*> parents = w->findChildren<QWidget*>();
        parents << w;
        for (QWidget* parent : parents) {
            QList<QWidget*> children;
            for (QObject* child : parent->children())
                if (auto* widget = qobject_cast<QWidget*>(child); widget != nullptr && !widget->isWindow())
                    children << widget;
            for (qsizetype i = 0; i < children.size(); ++i) {
                const QRect inner = children[i]->geometry();
                // A separator line may run on to its frame's lower edge, which clips it.
                EXPECT_TRUE(parent->rect().contains(inner) || qobject_cast<SeparatorLine*>(children[i]) != nullptr)
                    << children[i]->objectName().toStdString() << " inside " << parent->objectName().toStdString();
                // The Solving window's frames share their one-pixel edges.
                for (qsizetype j = i + 1; j < children.size(); ++j) {
                    const QRect shared = inner.intersected(children[j]->geometry());
                    EXPECT_LE(std::min(shared.width(), shared.height()), 1)
                        << children[i]->objectName().toStdString() << " / " << children[j]->objectName().toStdString();
                }
            }
        }
        for (SeparatorLine* line : w->findChildren<SeparatorLine*>()) {
            const QString row = line->parentWidget()->findChildren<QLineEdit*>().front()->objectName().section(u'(', 0, 0);
            const auto* fifth = line->parentWidget()->findChild<QLineEdit*>(row + QStringLiteral("(4)"));
            const auto* sixth = line->parentWidget()->findChild<QLineEdit*>(row + QStringLiteral("(5)"));
            ASSERT_TRUE(fifth != nullptr && sixth != nullptr) << line->objectName().toStdString();
            EXPECT_LT(fifth->geometry().right(), line->x()) << line->objectName().toStdString();
            EXPECT_GT(sixth->x(), line->geometry().right()) << line->objectName().toStdString();
        }
    }
    int above = -1;
    for (const char* name : {"Command3", "Command1", "Command2", "Command6", "Command4", "Command5"}) {
        auto* button = form_->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_GT(button->y(), above) << name << " stands below the button before it";
        above = button->geometry().bottom();
    }
}

TEST_F(LayoutTest, CellsAndLinesAreChildrenOfTheirFrames)
{
    const std::pair<char, const char*> children[][2] = {
        {{'1', "Text3(2)"}, {'1', "Frame1"}}, {{'1', "Line2"}, {'1', "Frame2"}},
        {{'3', "Text43(5)"}, {'3', "Frame4"}}, {{'3', "Line1(5)"}, {'3', "Frame6"}},
    };
    for (const auto& [child, frame] : children) {
        auto* widget = window(child.first).findChild<QWidget*>(QString::fromLatin1(child.second));
        ASSERT_NE(widget, nullptr) << child.second;
        EXPECT_EQ(widget->parentWidget()->objectName(), frame.second) << child.second;
    }
    EXPECT_EQ(form_->findChildren<QLineEdit*>().size(), 36);
    EXPECT_EQ(solving().findChildren<QLineEdit*>().size(), 108);
    EXPECT_EQ(solving().findChildren<SeparatorLine*>().size(), 6);
}

TEST_F(LayoutTest, WindowsHaveTheirCaptionsSizesAndTitleBarButtons)
{
    struct Expected {
        QWidget* window;
        const char* title;
        QSize size;
    };
    for (const Expected& expected : {Expected{form_.get(), "Rowsweep", {495, 321}},
                                     Expected{&solving(), "Solving", {594, 377}}}) {
        QWidget& w = *expected.window;
        EXPECT_EQ(w.windowTitle(), expected.title);
        EXPECT_EQ(w.size(), expected.size);
        EXPECT_EQ(w.minimumSize(), w.maximumSize()) << "fixed size";
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(w.parentWidget(), nullptr);
    }
    EXPECT_EQ(form_->windowIcon().availableSizes().value(0), QSize(16, 16));
}

TEST_F(LayoutTest, MainWindowOpensCentredWithTheFirstCellFocused)
{
    ASSERT_TRUE(activate(*form_));
    const QRect screen = form_->screen()->availableGeometry();
    EXPECT_LE((form_->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(QApplication::focusWidget(), &cell(*form_, "Text1(0)"));
}

struct TabStep {
    char window;
    const char* from;
    const char* to;
};

const TabStep kTabSteps[] = {
    {'1', "Text1(2)", "Text1(4)"},   {'1', "Text1(5)", "Text2(0)"},  {'1', "Text3(5)", "Text1(3)"},
    {'1', "Text1(3)", "Text6(0)"},   {'1', "Text6(0)", "Text5(0)"},  {'1', "Text4(0)", "Command1"},
    {'1', "Command1", "Text4(1)"},   {'1', "Text6(5)", "Command2"},  {'1', "Command2", "Command3"},
    {'1', "Command4", "Command5"},   {'1', "Command6", "Text1(0)"},  {'3', "Text1(3)", "Text3(5)"},
    {'3', "Text3(0)", "Text2(5)"},   {'3', "Text1(4)", "Text1(2)"},  {'3', "Text1(0)", "Text21(0)"},
    {'3', "Text33(5)", "Text41(0)"}, {'3', "Text43(0)", "Text51(0)"}, {'3', "Text63(5)", "Text43(1)"},
    {'3', "Text43(5)", "Text1(3)"},
};

TEST_F(LayoutTest, TabKeyFollowsTheTabIndexTables)
{
    for (const TabStep& step : kTabSteps) {
        QWidget& w = window(step.window);
        ASSERT_TRUE(activate(w));
        auto* from = w.findChild<QWidget*>(QString::fromLatin1(step.from));
        ASSERT_NE(from, nullptr) << step.from;
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(from, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), step.to) << "Tab from " << step.from;
    }
}

TEST_F(LayoutTest, PictureCarriesTheQuotedAddressAndTheHandCursor)
{
    auto* picture = form_->findChild<QLabel*>("Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->toolTip(), QStringLiteral("\"%1\"").arg(kMakerAddress));
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(picture->cursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(picture->focusPolicy(), Qt::NoFocus);
}

TEST_F(LayoutTest, AboutButtonShowsItsPictureAboveTheCaption)
{
    auto* about = form_->findChild<QPushButton*>("Command4");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "About");
    EXPECT_EQ(about->icon().availableSizes().value(0), QSize(16, 16));

    const QImage face = about->grab().toImage();
    const QImage picture = aboutPicture().toImage().convertToFormat(face.format());
    const int left = (about->width() - 16) / 2;
    int matching = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (picture.pixelColor(x, y).alpha() == 255)
                matching += face.pixelColor(left + x, 2 + y) == picture.pixelColor(x, y) ? 1 : 0;
    EXPECT_GT(matching, 100) << "the picture is drawn at the top centre of the button";
}

TEST_F(LayoutTest, SeparatorLinesAreDrawnInScrollBarGrey)
{
    for (QWidget* w : {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(&solving())}) {
        for (SeparatorLine* line : w->findChildren<SeparatorLine*>()) {
            const QImage image = line->grab().toImage();
            EXPECT_EQ(image.pixelColor(0, image.height() / 2), kScrollBarGrey) << line->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace rowsweep::ui::testing
