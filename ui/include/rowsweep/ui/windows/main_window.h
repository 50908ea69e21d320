#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/windows/single_instance.h"

namespace rowsweep::ui {

class AboutWindow;
class CellGridView;
class SolvingWindow;

// The main window: the input grid, the result grid, the command buttons and
// the maker's picture. Closing it ends the program.
class MainWindow final : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Each is created hidden on first use and again after the user closed it.
    [[nodiscard]] SingleInstance<AboutWindow>& aboutWindow() { return about_; }
    [[nodiscard]] SingleInstance<SolvingWindow>& solvingWindow() { return solving_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void solveClicked();
    void clearClicked();
    void sampleClicked();
    void aboutClicked();
    void exitClicked();
    void watchClicked();

    void buildControls();
    void endProgram();

    QPixmap picture_;
    CellGridView* input_ = nullptr;
    CellGridView* result_ = nullptr;
    SingleInstance<AboutWindow> about_;
    SingleInstance<SolvingWindow> solving_;
    steps::Arithmetic arithmetic_ = steps::Arithmetic::FloatingPoint;
    bool ending_ = false;
};

}  // namespace rowsweep::ui
