#pragma once

#include <optional>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/engine/elimination.h"
#include "rowsweep/ui/single_instance.h"
#include "rowsweep/ui/window_board.h"

namespace rowsweep::ui {

class CellGridView;
class Form2;
class Form3;

// The main window: the input grid, the result grid, the command buttons and
// the maker's picture. It owns the numeric state of the reduction, and
// closing it ends the program.
class Form1 final : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] SingleInstance<Form2>& aboutWindow() { return form2_; }
    [[nodiscard]] SingleInstance<Form3>& solvingWindow() { return form3_; }
    [[nodiscard]] const QPixmap& picture() const { return picture_; }

    // True once the program has been told to end.
    [[nodiscard]] bool ending() const noexcept { return ending_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Image1_Click();
    void Form_Unload();

    void buildControls();
    void endProgram();

    QPixmap picture_;
    CellGridView* input_ = nullptr;
    CellGridView* result_ = nullptr;
    Elimination elimination_;
    SingleInstance<Form2> form2_;
    SingleInstance<Form3> form3_;
    std::optional<WindowBoard> board_;  // needs the grids, built in the constructor
    bool ending_ = false;
};

}  // namespace rowsweep::ui
