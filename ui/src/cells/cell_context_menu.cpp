#include "rowsweep/ui/cells/cell_context_menu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QUndoStack>

#include "rowsweep/steps/plain_text.h"
#include "rowsweep/steps/worked_latex.h"
#include "rowsweep/ui/desktop/steps_output.h"
#include "rowsweep/ui/session/session.h"

namespace rowsweep::ui {

namespace {

// Plain text only: a spreadsheet or an editor then pastes exactly what the
// user will see, and nothing in the windows changes.
void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void addArithmeticSwitch(QMenu& menu, Session& session)
{
    menu.addSeparator();
    //: Checkable menu entry: every Solve computes in exact fractions instead of floating point.
    QAction* exact = menu.addAction(QCoreApplication::translate("CellMenu", "Exact Fractions"));
    exact->setCheckable(true);
    exact->setChecked(session.arithmetic() == steps::Arithmetic::Exact);
    QObject::connect(exact, &QAction::toggled, &session, [&session](bool checked) {
        session.setArithmetic(checked ? steps::Arithmetic::Exact : steps::Arithmetic::FloatingPoint);
    });
}

// The dialogs they open belong to the window of the cell whose menu it is.
void addPaperCommands(QMenu& menu, const std::shared_ptr<const steps::WorkedSolution>& solution)
{
    const QPointer<QWidget> window = menu.parentWidget() != nullptr ? menu.parentWidget()->window() : nullptr;
    const auto onPaper = [solution, window](void (*output)(QWidget*, const steps::WorkedSolution&)) {
        return [solution, window, output] {
            if (solution)
                output(window, *solution);
        };
    };
    QAction* print = menu.addAction(QCoreApplication::translate("CellMenu", "Print All Steps…"), &menu,
                                    onPaper(&printSteps));
    print->setShortcut(QKeySequence::Print);  // shown only; the windows' own shortcut prints
    print->setEnabled(solution != nullptr);
    menu.addAction(QCoreApplication::translate("CellMenu", "Save All Steps as PDF…"), &menu, onPaper(&saveStepsAsPdf))
        ->setEnabled(solution != nullptr);
}

void addStepCommands(QMenu& menu, const CopySource& source)
{
    const std::shared_ptr<const steps::WorkedSolution>& solution = source.shown;
    const auto copySteps = [solution](QString (*format)(const steps::WorkedSolution&)) {
        return [solution, format] {
            if (solution)
                copyText(format(*solution));
        };
    };
    //: Copies the matrix after every stage, with the row operations and the solution, as plain text.
    menu.addAction(QCoreApplication::translate("CellMenu", "Copy All Steps"), &menu, copySteps(&steps::workedSolutionText))
        ->setEnabled(solution != nullptr);
    menu.addAction(QCoreApplication::translate("CellMenu", "Copy All Steps as LaTeX"), &menu,
                   copySteps(&steps::workedSolutionLatex))
        ->setEnabled(solution != nullptr);
    addPaperCommands(menu, solution);
}

}  // namespace

void addCopyCommands(QMenu& menu, const CopySource& source)
{
    menu.addSeparator();
    //: Copies the cells of this grid, a line per row, the values apart by tabs.
    menu.addAction(QCoreApplication::translate("CellMenu", "Copy Matrix"), &menu,
                   [texts = source.texts] { copyText(steps::gridCopyText(texts)); });
    if (source.ownSteps)
        source.ownSteps(menu);
    else if (source.offersSteps)
        addStepCommands(menu, source);
    Session& session = source.session;
    //: Opens the window with the steps on to the reduced row echelon form.
    menu.addAction(QCoreApplication::translate("CellMenu", "Reduced Form"), &session, &Session::showReducedForm)
        ->setEnabled(session.current() != nullptr);
    //: Opens the window where the student takes the row operations.
    menu.addAction(QCoreApplication::translate("CellMenu", "Practice"), &session, &Session::showPractice);
    addArithmeticSwitch(menu, session);
}

void routeEditCommands(QMenu& menu, QUndoStack* history, const std::function<void()>& paste)
{
    // The line edit's own entries, named as Qt's own translation names them;
    // they are not the program's to translate.
    const char* const lineEdit = QLineEdit::staticMetaObject.className();
    const QString pasteText = QCoreApplication::translate(lineEdit, "&Paste");
    const QString undoText = QCoreApplication::translate(lineEdit, "&Undo");
    const QString redoText = QCoreApplication::translate(lineEdit, "&Redo");
    for (QAction* action : menu.actions()) {
        const QString command = action->text().section(QChar(u'\t'), 0, 0);
        if (command != pasteText && command != undoText && command != redoText)
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        if (command == pasteText) {
            QObject::connect(action, &QAction::triggered, action, paste);
            continue;
        }
        const bool undo = command == undoText;
        action->setEnabled(history != nullptr && (undo ? history->canUndo() : history->canRedo()));
        if (history != nullptr)
            QObject::connect(action, &QAction::triggered, history, undo ? &QUndoStack::undo : &QUndoStack::redo);
    }
}

}  // namespace rowsweep::ui
