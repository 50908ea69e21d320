#pragma once

#include <functional>

#include <QPixmap>
#include <QWidget>

#include "rowsweep/steps/worked_solution.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace rowsweep::ui {

class CellGridView;
class Practice;
class Session;

// The "Practice" window: the student takes the row operations. It shows
// the session's practice, the matrix in a read-only grid, the operations
// taken, the feedback and the progress, and takes an operation typed in
// the textbook notation. Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y walk the
// practice's history anywhere in it but the operation line, which keeps a
// line edit's own undo.
class PracticeWindow final : public QWidget {
public:
    // How the window reaches the main window's input grid: its texts, and
    // writing texts into it as one step of its history.
    struct InputGrid {
        std::function<steps::CellTexts()> texts;
        std::function<void(const steps::CellTexts&)> write;
    };

    // Opened for the first time in a run, it starts the practice from the
    // input grid, or from a new exercise when that grid is empty.
    PracticeWindow(Session& session, const QPixmap& mainPicture, InputGrid input);

private:
    void buildControls();
    void takeOperation();
    void newExercise();
    void showPractice();
    void showFeedback(const QString& feedback);
    void addShortcuts();
    void addHandInCommands(QMenu& menu);

    Session& session_;
    Practice& practice_;
    InputGrid input_;
    CellGridView* grid_ = nullptr;
    QLabel* exerciseNumber_ = nullptr;
    QListWidget* history_ = nullptr;
    QLineEdit* operation_ = nullptr;
    QLabel* feedback_ = nullptr;
    QLabel* progress_ = nullptr;
    QComboBox* kind_ = nullptr;
};

}  // namespace rowsweep::ui
