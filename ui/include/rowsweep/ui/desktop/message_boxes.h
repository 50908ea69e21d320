#pragma once

#include <functional>

#include <QMessageBox>

#include "rowsweep/steps/warning.h"

class QWidget;

namespace rowsweep::ui {

using steps::kMathErrorText;
using steps::kMathErrorTitle;

// Receives each fully configured box instead of its modal showing and
// answers with the button the user would have chosen.
using MessageBoxHook = std::function<QMessageBox::StandardButton(QMessageBox&)>;

// An empty hook restores the real modal showing.
void setMessageBoxHook(MessageBoxHook hook);

// The warning after a reduction whose third row is not zero.
void showMathError(QWidget* parent);

// The worked solution could not be saved at `path`, for `reason`.
void showSaveFailure(QWidget* parent, const QString& path, const QString& reason);
// The printer, or the file printed to, did not take the worked solution.
void showPrintFailure(QWidget* parent, const QString& printer);

// Asks before ending the program; true when the user chose OK.
[[nodiscard]] bool confirmExit(QWidget* parent);

}  // namespace rowsweep::ui
