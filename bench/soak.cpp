// Long use in one process: 10,000 Solves on random matrices through the real
// windows, then 1,000 create-show-close cycles of the Solving window and of
// the About window. Fails when resident memory grew by more than 1 MiB or a
// window was left behind.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "private_settings.h"
#include "rowsweep/engine/matrix.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/object_names.h"
#include "rowsweep/ui/windows/solving_window.h"
#include "resident_memory.h"

namespace {

namespace names = rowsweep::ui::names;

constexpr int kSolves = 10000;
constexpr int kWindowCycles = 1000;
constexpr long kMaxGrowthKiB = 1024;

using rowsweep::bench::residentKiB;
using rowsweep::bench::settle;

// Texts a student might type, and some a student might not.
class RandomCells {
public:
    std::string next()
    {
        switch (kind_(random_)) {
        case 0:
            return {};
        case 1:
            return "abc";
        case 2:
            return std::to_string(small_(random_)) + "." + std::to_string(small_(random_) & 0x3f);
        case 3:
            return std::to_string(small_(random_)) + "e" + std::to_string(small_(random_) % 320);
        default:
            return std::to_string(small_(random_));
        }
    }

private:
    std::mt19937 random_{20261207};
    std::uniform_int_distribution<int> kind_{0, 9};
    std::uniform_int_distribution<int> small_{-99, 99};
};

class Soak {
public:
    Soak()
    {
        rowsweep::ui::setMessageBoxHook([this](QMessageBox&) {
            ++boxes_;
            return QMessageBox::Ok;
        });
        rowsweep::ui::setLinkOpener([](const QUrl&) {});
        form_.show();
        for (const std::string_view row : names::kInputRows)
            for (int column = 0; column < rowsweep::kColumns; ++column)
                inputs_.push_back(form_.findChild<QLineEdit*>(rowsweep::ui::elementName(row, column)));
    }

    ~Soak()
    {
        rowsweep::ui::setMessageBoxHook({});
        rowsweep::ui::setLinkOpener({});
    }

    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    void solves(int count)
    {
        for (int i = 0; i < count; ++i) {
            for (QLineEdit* cell : inputs_)
                cell->setText(QString::fromStdString(cells_.next()));
            button(names::kSolveButton).click();
            if (i % 100 == 0)
                settle();
        }
        settle();
    }

    void solvingWindowCycles(int count)
    {
        for (int i = 0; i < count; ++i) {
            button(names::kWatchButton).click();
            form_.solvingWindow().loaded()->close();
            settle();
        }
    }

    // The About window is modal: it is closed from inside its own showing.
    void aboutWindowCycles(int count)
    {
        for (int i = 0; i < count; ++i) {
            QTimer::singleShot(0, &form_, [this] {
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (window->objectName() == rowsweep::ui::toQString(names::kAboutWindow))
                        window->close();
            });
            button(names::kAboutButton).click();
            settle();
        }
    }

    // Top-level windows other than the main window.
    [[nodiscard]] int windowsLeft() const
    {
        int left = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window != &form_)
                ++left;
        return left;
    }

    [[nodiscard]] int boxes() const { return boxes_; }
    void resetBoxes() { boxes_ = 0; }

private:
    QPushButton& button(std::string_view name)
    {
        return *form_.findChild<QPushButton*>(rowsweep::ui::toQString(name));
    }

    rowsweep::ui::MainWindow form_;
    std::vector<QLineEdit*> inputs_;
    RandomCells cells_;
    int boxes_ = 0;
};

}  // namespace

// The offscreen platform cannot raise a window and says so every time the
// Solving window is shown; that says nothing about the program.
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    qt_message_output(type, context, message);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietRaise);
    QApplication app(argc, argv);
    const rowsweep::bench::PrivateSettings settings;

    long startKiB = 0;
    long endKiB = 0;
    int windowsLeft = 0;
    int boxes = 0;
    {
        Soak soak;
        // Fonts, styles and the windows' first creation fill caches once;
        // only what grows after that is a leak.
        soak.solves(200);
        soak.solvingWindowCycles(20);
        soak.aboutWindowCycles(20);
        startKiB = residentKiB();
        soak.resetBoxes();

        soak.solves(kSolves);
        soak.solvingWindowCycles(kWindowCycles);
        soak.aboutWindowCycles(kWindowCycles);
        endKiB = residentKiB();
        windowsLeft = soak.windowsLeft();
        boxes = soak.boxes();
    }

    const long growth = endKiB - startKiB;
    std::printf("%d Solves (%d warnings), %d Solving and %d About window cycles\n", kSolves, boxes, kWindowCycles,
                kWindowCycles);
    std::printf("resident memory: %ld KiB at start, %ld KiB at end, growth %ld KiB (limit %ld KiB)\n", startKiB,
                endKiB, growth, kMaxGrowthKiB);
    std::printf("windows left besides the main window: %d\n", windowsLeft);
    const bool ok = startKiB > 0 && growth <= kMaxGrowthKiB && windowsLeft == 0;
    std::printf("soak: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
