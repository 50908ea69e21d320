#include "rowsweep/ui/cells/cell_context_menu.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

#include "rowsweep/ui/desktop/arithmetic_setting.h"

namespace rowsweep::ui {

namespace {

// Plain text only: a spreadsheet or an editor then pastes exactly what the
// user will see, and nothing in the windows changes.
void copyText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void addArithmeticSwitch(QMenu& menu, ArithmeticSetting& setting)
{
    menu.addSeparator();
    QAction* exact = menu.addAction(QStringLiteral("Exact Fractions"));
    exact->setCheckable(true);
    exact->setChecked(setting.value() == steps::Arithmetic::Exact);
    QObject::connect(exact, &QAction::toggled, &setting, [&setting](bool checked) {
        setting.choose(checked ? steps::Arithmetic::Exact : steps::Arithmetic::FloatingPoint);
    });
}

void addStepCommands(QMenu& menu, const CopySource& source)
{
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

}  // namespace

void addCopyCommands(QMenu& menu, CopySource source)
{
    menu.addSeparator();
    menu.addAction(QStringLiteral("Copy Matrix"), &menu,
                   [texts = source.texts] { copyText(steps::gridCopyText(texts)); });
    if (source.offersSteps)
        addStepCommands(menu, source);
    if (source.openReducedForm)
        menu.addAction(QCoreApplication::translate("CellMenu", "Reduced Form"), &menu, source.openReducedForm)
            ->setEnabled(source.solution != nullptr);
    if (source.arithmetic != nullptr)
        addArithmeticSwitch(menu, *source.arithmetic);
}

}  // namespace rowsweep::ui
