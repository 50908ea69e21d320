// How the main and Solving windows are laid out as a user sees them:
// nothing clipped or covered, the focus where typing starts, the pictures
// where they belong.

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
            const QImage drawn = line->grab().toImage();
            EXPECT_NE(drawn.pixelColor(0, drawn.height() / 2), line->parentWidget()->palette().color(QPalette::Window))
                << line->objectName().toStdString() << " stands out from its frame";
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

TEST_F(LayoutTest, MainWindowOpensCentredWithTheFirstCellFocused)
{
    ASSERT_TRUE(activate(*form_));
    const QRect screen = form_->screen()->availableGeometry();
    EXPECT_LE((form_->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(QApplication::focusWidget(), &cell(*form_, "Text1(0)"));
}

TEST_F(LayoutTest, AboutButtonShowsItsPictureAboveTheCaption)
{
    auto* about = form_->findChild<QPushButton*>("Command4");
    ASSERT_NE(about, nullptr);

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

}  // namespace
}  // namespace rowsweep::ui::testing
