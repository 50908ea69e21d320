#pragma once

#include <optional>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include "rowsweep/engine/exercise.h"
#include "rowsweep/engine/practice_operation.h"
#include "rowsweep/engine/progress.h"
#include "rowsweep/steps/practice_outline.h"
#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

// The practice in progress, kept until the program ends: the start
// matrix, the operations the student took from it and the matrix they
// lead to, always in exact fractions. Taking an operation, Restart, From
// Input and New Exercise are steps of its own undo history. The Practice
// window observes it.
class Practice final : public QObject {
    Q_OBJECT

public:
    explicit Practice(QObject* parent = nullptr);

    [[nodiscard]] bool hasStarted() const { return started_; }
    [[nodiscard]] const steps::PracticeState& state() const { return state_; }
    [[nodiscard]] const ExactMatrix& matrix() const { return state_.matrix; }
    // The operations from the start to the matrix shown, in the notation.
    [[nodiscard]] QStringList history() const;
    [[nodiscard]] QString progressText() const;
    [[nodiscard]] const QString& feedback() const { return feedback_; }
    [[nodiscard]] QUndoStack& undoStack() { return undoStack_; }

    // From Input: the input cells read as Exact Fractions reads them; the
    // cells that are not numbers are named in the feedback.
    void startFromInput(const steps::CellTexts& input);
    // New Exercise; the number is drawn when none is given.
    void startExercise(ExerciseKind kind, std::optional<int> number = std::nullopt);
    // Back to the start matrix.
    void restart();
    // Reads the line and takes the operation it writes, or says why not;
    // true when it was taken.
    bool take(const QString& line);
    // Says the next operation of the Gauss-Jordan way from the matrix shown.
    void hint();

    // The undo history's commands set the state through these.
    void setState(steps::PracticeState state);

signals:
    // The matrix, the history or the start changed.
    void changed();
    void feedbackChanged(const QString& feedback);

private:
    void start(steps::PracticeState state, const QString& feedback);
    void setFeedback(const QString& feedback);

    bool started_ = false;
    steps::PracticeState state_;
    int gaussJordanFromStart_ = 0;
    QString feedback_;
    QUndoStack undoStack_;
    // Set while a step of the user's own is pushed, whose feedback stays.
    bool pushing_ = false;
};

}  // namespace rowsweep::ui
