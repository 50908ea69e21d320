#include "ui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QToolTip>

#include "rowsweep/ui/windows/about_window.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/desktop/maker_link.h"
#include "rowsweep/ui/desktop/message_boxes.h"
#include "rowsweep/ui/desktop/steps_output.h"

namespace rowsweep::ui::testing {

namespace {

constexpr int kWatchdogIntervalMs = 50;
constexpr qint64 kModalPatienceMs = 5000;
constexpr int kEventLoopPatienceMs = 5000;

QString describe(const QWidget& widget)
{
    return widget.objectName() + " \"" + widget.windowTitle() + "\"";
}

void dismiss(QWidget& modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(&modal))
        dialog->reject();
    else
        modal.close();
}

}  // namespace

void UiTest::SetUp()
{
    ASSERT_TRUE(settingsFolder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());

    for (QWidget* widget : QApplication::topLevelWidgets())
        topLevelsAtStart_.insert(widget);

    setMessageBoxHook([this](QMessageBox& box) {
        std::optional<GridTexts> resultsBehind;
        QWidget* behind = box.parentWidget() != nullptr ? box.parentWidget()->window() : nullptr;
        if (behind != nullptr && behind->findChild<QLineEdit*>(elementName(names::kResultRows[0], 0)) != nullptr)
            resultsBehind = readGrid(*behind, names::kResultRows);
        seenBoxes_.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons(),
                              box.standardButton(box.defaultButton()),
                              box.standardButton(box.escapeButton()), resultsBehind});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << box.text().toStdString();
            return box.standardButtons().testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
        }
        const QMessageBox::StandardButton answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
    setLinkOpener([this](const QUrl& url) { openedLinks_.push_back(url); });
    setSavePathChooser([](QWidget*, const QString&) {
        ADD_FAILURE() << "unexpected save dialog";
        return QString();
    });
    setPrinterSetup([](QPrinter&, QWidget*) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    });

    watchdog_ = std::make_unique<QTimer>();
    QObject::connect(watchdog_.get(), &QTimer::timeout, [this] { watch(); });
    watchdog_->start(kWatchdogIntervalMs);
}

void UiTest::TearDown()
{
    dismissToolTip();
    watchdog_.reset();
    setMessageBoxHook({});
    setLinkOpener({});
    setSavePathChooser({});
    setPrinterSetup({});
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answers were not asked for";

    flushDeferredDeletes();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (topLevelsAtStart_.count(widget) == 0) {
            ADD_FAILURE() << "top-level window left behind: " << describe(*widget).toStdString();
            delete widget;
        }
    }
}

void UiTest::watch()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != lastModal_) {
        lastModal_ = modal;
        modalAge_.start();
    }
    if (modal == nullptr)
        return;
    if (!modalExpected_) {
        ADD_FAILURE() << "unexpected modal window: " << describe(*modal).toStdString();
        dismiss(*modal);
    } else if (modalAge_.elapsed() > kModalPatienceMs) {
        ADD_FAILURE() << "modal window still open: " << describe(*modal).toStdString();
        dismiss(*modal);
    }
}

void UiTest::answerBoxes(std::vector<QMessageBox::StandardButton> answers)
{
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void UiTest::useRealMessageBoxes()
{
    setMessageBoxHook({});
}

void UiTest::whenModalAppears(std::function<void(QWidget&)> action)
{
    auto* poll = new QTimer;
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    QObject::connect(poll, &QTimer::timeout, [poll, elapsed, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible()) {
            poll->deleteLater();
            poll->stop();
            action(*modal);
        } else if (elapsed->elapsed() > kModalPatienceMs) {
            poll->deleteLater();
            poll->stop();
            ADD_FAILURE() << "no modal window appeared";
        }
    });
    poll->start(10);
}

int UiTest::runEventLoop(std::function<void()> start)
{
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, [] {
        ADD_FAILURE() << "the event loop did not end";
        QCoreApplication::exit(99);
    });
    patience.start(kEventLoopPatienceMs);
    QTimer::singleShot(0, std::move(start));
    return QCoreApplication::exec();
}

void UiTest::flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UiTest::click(QWidget& window, std::string_view name)
{
    auto* control = window.findChild<QWidget*>(toQString(name));
    ASSERT_NE(control, nullptr) << name;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

QLineEdit& UiTest::cell(QWidget& window, const QString& name)
{
    auto* edit = window.findChild<QLineEdit*>(name);
    if (edit == nullptr)
        throw std::runtime_error("no cell " + name.toStdString() + " in " + window.objectName().toStdString());
    return *edit;
}

GridTexts UiTest::readGrid(QWidget& window, const names::GridRows& rows)
{
    GridTexts texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = cell(window, elementName(rows[row], column)).text();
    return texts;
}

void UiTest::fillGrid(QWidget& window, const names::GridRows& rows, const GridTexts& texts)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            cell(window, elementName(rows[row], column)).setText(texts[row][column]);
}

bool UiTest::activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void UiTest::press(QWidget& widget, const QKeySequence& keys)
{
    const QKeyCombination combination = keys[0];
    QTest::keyClick(&widget, combination.key(), combination.keyboardModifiers());
}

void UiTest::paste(QWidget& into, const QString& text, const QKeySequence& keys)
{
    QGuiApplication::clipboard()->setText(text);
    press(into, keys);
}

QMenu& UiTest::openMenu(QLineEdit& cell)
{
    QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, cell.mapToGlobal(QPoint()));
    QApplication::sendEvent(&cell, &event);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return *menu;
    throw std::runtime_error("no menu opened");
}

QString UiTest::hover(QWidget& widget)
{
    dismissToolTip();
    const QPoint middle = widget.rect().center();
    QHelpEvent event(QEvent::ToolTip, middle, widget.mapToGlobal(middle));
    QApplication::sendEvent(&widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

void UiTest::dismissToolTip()
{
    QToolTip::hideText();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->inherits("QTipLabel"))
            delete window;
}

AboutWindow* UiTest::loadedAbout()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == toQString(names::kAboutWindow))
            return static_cast<AboutWindow*>(window);
    return nullptr;
}

AboutWindow& UiTest::loadAbout(QWidget& mainWindow)
{
    expectModal(true);
    whenModalAppears([](QWidget& about) { static_cast<QDialog&>(about).accept(); });
    click(mainWindow, names::kAboutButton);
    expectModal(false);
    AboutWindow* about = loadedAbout();
    if (about == nullptr)
        throw std::runtime_error("no About window loaded");
    return *about;
}

void MainWindowTest::SetUp()
{
    UiTest::SetUp();
    form_ = std::make_unique<MainWindow>();
    form_->show();
}

void MainWindowTest::solve(const GridTexts& input, bool warns)
{
    fillGrid(*form_, names::kInputRows, input);
    if (warns)
        answerBoxes({QMessageBox::Ok});
    click(*form_, names::kSolveButton);
}

void MainWindowTest::TearDown()
{
    form_.reset();
    UiTest::TearDown();
}

}  // namespace rowsweep::ui::testing
