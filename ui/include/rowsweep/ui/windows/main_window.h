#pragma once

#include <optional>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/ui/session/session.h"
#include "rowsweep/ui/windows/single_instance.h"

namespace rowsweep::ui {

class AboutWindow;
class CellGridView;
class PracticeWindow;
class ReducedFormWindow;
class SolvingWindow;
class VerdictLine;

// The main window: the input grid, the result grid with the verdict line
// under it, the command buttons and the maker's picture. It owns the
// session every window observes. Closing it ends the program.
class MainWindow final : public QWidget {
public:
    // Solves in `forThisRun` when given (--exact, --floating-point), else
    // in the arithmetic the user chose last.
    explicit MainWindow(std::optional<steps::Arithmetic> forThisRun = std::nullopt, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    [[nodiscard]] Session& session() { return session_; }
    // Each is created hidden on first use and again after the user closed it.
    [[nodiscard]] SingleInstance<SolvingWindow>& solvingWindow() { return solving_; }
    [[nodiscard]] SingleInstance<ReducedFormWindow>& reducedFormWindow() { return reducedForm_; }
    [[nodiscard]] SingleInstance<PracticeWindow>& practiceWindow() { return practice_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void solveClicked();
    void clearClicked();
    void sampleClicked();
    void aboutClicked();
    void exitClicked();
    void watchClicked();

    void showSolve(const Session::Solution& solution);
    void clearShown();
    void openReducedForm();
    void openPractice();

    void buildControls();
    void endProgram();

    QPixmap picture_;
    // Before the windows that observe it, so that it outlives them.
    Session session_;
    CellGridView* input_ = nullptr;
    CellGridView* result_ = nullptr;
    VerdictLine* verdict_ = nullptr;
    SingleInstance<AboutWindow> about_;
    SingleInstance<SolvingWindow> solving_;
    SingleInstance<ReducedFormWindow> reducedForm_;
    SingleInstance<PracticeWindow> practice_;
    bool ending_ = false;
};

}  // namespace rowsweep::ui
