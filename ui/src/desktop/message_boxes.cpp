#include "rowsweep/ui/desktop/message_boxes.h"

#include <QCoreApplication>

#include "rowsweep/ui/desktop/accessibility.h"

namespace rowsweep::ui {

namespace {

MessageBoxHook& hook()
{
    static MessageBoxHook instance;
    return instance;
}

QMessageBox::StandardButton ask(QMessageBox& box)
{
    if (hook())
        return hook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

}  // namespace

void setMessageBoxHook(MessageBoxHook newHook)
{
    hook() = std::move(newHook);
}

void showMathError(QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate(steps::kMathErrorContext, kMathErrorTitle),
                    QCoreApplication::translate(steps::kMathErrorContext, kMathErrorText), QMessageBox::Ok, parent);
    //: What a screen reader calls the icon of the "Math error" message box.
    nameMessageBoxIcon(box, QCoreApplication::translate("MessageBox", "Information"));
    ask(box);
}

void showSaveFailure(QWidget* parent, const QString& path, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("StepsOutput", "Save All Steps as PDF"),
                    QCoreApplication::translate("StepsOutput", "Could not save %1: %2").arg(path, reason),
                    QMessageBox::Ok, parent);
    ask(box);
}

void showPrintFailure(QWidget* parent, const QString& printer)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("StepsOutput", "Print All Steps"),
                    QCoreApplication::translate("StepsOutput", "Could not print to %1").arg(printer), QMessageBox::Ok,
                    parent);
    ask(box);
}

bool confirmExit(QWidget* parent)
{
    //: Title of the question asked before the program ends.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("MessageBox", "Exit"),
                    //: Asked before the program ends; answered with OK or Cancel.
                    QCoreApplication::translate("MessageBox", "Are you sure?"), QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return ask(box) == QMessageBox::Ok;
}

}  // namespace rowsweep::ui
