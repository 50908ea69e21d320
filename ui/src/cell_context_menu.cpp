#include "rowsweep/ui/cell_context_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "rowsweep/ui/cell_grid_view.h"
#include "rowsweep/ui/worked_solution.h"

namespace rowsweep::ui {

namespace {

// Plain text only: a spreadsheet or an editor then pastes exactly what the
// user will see, and nothing in the windows changes.
void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

std::array<std::array<QString, kColumns>, kRows> gridTexts(const CellGridView& grid)
{
    std::array<std::array<QString, kColumns>, kRows> texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = grid.cell(row, column)->text();
    return texts;
}

}  // namespace

void addCopyCommands(QMenu& menu, const CellGridView& grid)
{
    menu.addSeparator();
    menu.addAction(QStringLiteral("Copy Matrix"), &menu, [&grid] { copyText(gridCopyText(gridTexts(grid))); });

    const WorkedSolutionSource& steps = grid.workedSolutionSource();
    if (!steps)
        return;
    // The solution is looked up again when a command runs, not kept from
    // when the menu opened.
    const bool solved = steps() != nullptr;
    const auto copySteps = [steps](QString (*format)(const WorkedSolution&)) {
        return [steps, format] {
            if (const WorkedSolution* solution = steps())
                copyText(format(*solution));
        };
    };
    menu.addAction(QStringLiteral("Copy All Steps"), &menu, copySteps(&workedSolutionText))->setEnabled(solved);
    menu.addAction(QStringLiteral("Copy All Steps as LaTeX"), &menu, copySteps(&workedSolutionLatex))
        ->setEnabled(solved);
}

}  // namespace rowsweep::ui
