#include "rowsweep/ui/cells/cell_context_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace rowsweep::ui {

namespace {

// Plain text only: a spreadsheet or an editor then pastes exactly what the
// user will see, and nothing in the windows changes.
void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

}  // namespace

void addCopyCommands(QMenu& menu, CopySource source)
{
    menu.addSeparator();
    menu.addAction(QStringLiteral("Copy Matrix"), &menu,
                   [texts = source.texts] { copyText(steps::gridCopyText(texts)); });
    if (!source.offersSteps)
        return;
    const std::shared_ptr<const steps::WorkedSolution>& solution = source.solution;
    const auto copySteps = [solution](QString (*format)(const steps::WorkedSolution&)) {
        return [solution, format] {
            if (solution)
                copyText(format(*solution));
        };
    };
    menu.addAction(QStringLiteral("Copy All Steps"), &menu, copySteps(&steps::workedSolutionText))
        ->setEnabled(solution != nullptr);
    menu.addAction(QStringLiteral("Copy All Steps as LaTeX"), &menu, copySteps(&steps::workedSolutionLatex))
        ->setEnabled(solution != nullptr);
}

}  // namespace rowsweep::ui
