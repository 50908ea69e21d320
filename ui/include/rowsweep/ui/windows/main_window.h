#pragma once

#include <memory>
#include <optional>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/desktop/arithmetic_setting.h"
#include "rowsweep/ui/windows/single_instance.h"

namespace rowsweep::ui {

class AboutWindow;
class CellGridView;
class ReducedFormWindow;
class SolvingWindow;
class VerdictLine;

// The main window: the input grid, the result grid with the verdict line
// under it, the command buttons and the maker's picture. It owns the
// arithmetic every Solve uses. Closing it ends the program.
class MainWindow final : public QWidget {
public:
    // Solves in `forThisRun` when given (--exact, --floating-point), else
    // in the arithmetic the user chose last.
    explicit MainWindow(std::optional<steps::Arithmetic> forThisRun = std::nullopt, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Each is created hidden on first use and again after the user closed it.
    [[nodiscard]] SingleInstance<SolvingWindow>& solvingWindow() { return solving_; }
    [[nodiscard]] SingleInstance<ReducedFormWindow>& reducedFormWindow() { return reducedForm_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void solveClicked();
    void clearClicked();
    void sampleClicked();
    void aboutClicked();
    void exitClicked();
    void watchClicked();
    void openReducedForm();

    void buildControls();
    void endProgram();

    QPixmap picture_;
    CellGridView* input_ = nullptr;
    CellGridView* result_ = nullptr;
    VerdictLine* verdict_ = nullptr;
    // Before the windows that offer its switch, so that it outlives them.
    ArithmeticSetting arithmetic_;
    SingleInstance<AboutWindow> about_;
    SingleInstance<SolvingWindow> solving_;
    SingleInstance<ReducedFormWindow> reducedForm_;
    // From Solve until Clear; the Reduced Form window shows it whenever it
    // opens, so closing that window loses nothing.
    std::shared_ptr<const steps::WorkedSolution> shown_;
    bool ending_ = false;
};

}  // namespace rowsweep::ui
