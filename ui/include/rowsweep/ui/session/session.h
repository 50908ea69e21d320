#pragma once

#include <memory>
#include <optional>

#include <QObject>

#include "rowsweep/steps/worked_solution.h"
#include "rowsweep/ui/session/practice.h"

namespace rowsweep::ui {

// The one owner of what the program works on: the Solve on show, from a
// Solve until Clear, and the arithmetic every Solve uses. Windows and grids
// observe it; none keeps a copy of the Solve.
//
// The arithmetic is floating point or Exact Fractions. The user's choice is
// remembered between runs, in the settings of the application's
// organisation and name; a first run without one is in floating point.
class Session final : public QObject {
    Q_OBJECT

public:
    using Solution = std::shared_ptr<const steps::WorkedSolution>;

    // `forThisRun` (from --exact or --floating-point) starts in that
    // arithmetic without touching the remembered choice.
    explicit Session(std::optional<steps::Arithmetic> forThisRun = std::nullopt, QObject* parent = nullptr);

    // The Solve on show; null before the first Solve and after Clear.
    [[nodiscard]] Solution current() const { return current_; }
    // The cell texts the Solve on show read.
    [[nodiscard]] const steps::CellTexts& input() const { return input_; }
    [[nodiscard]] steps::Arithmetic arithmetic() const;

    void solve(const steps::CellTexts& texts);
    void clear();
    // The user's choice: takes effect at once and is remembered. A Solve on
    // show is worked out again in it, from the same input.
    void setArithmetic(steps::Arithmetic arithmetic);
    // Asks for the way to the solution of the Solve on show; nothing is
    // asked while none is.
    void showReducedForm();

    // The practice, kept until the program ends, whatever the arithmetic.
    [[nodiscard]] Practice& practice() { return practice_; }
    // Asks for the Practice window.
    void showPractice() { emit practiceWanted(); }

signals:
    void solved(const Solution& solution);
    // After `solved`, once everything shows the Solve: its third row is not zero.
    void warned();
    void cleared();
    void arithmeticChanged(steps::Arithmetic arithmetic);
    void reducedFormWanted();
    void practiceWanted();

private:
    // Read on first use, not while the program starts.
    mutable std::optional<steps::Arithmetic> arithmetic_;
    steps::CellTexts input_;
    Solution current_;
    Practice practice_;
};

// The arithmetic the user chose last, as a run without windows uses it;
// floating point when none was ever chosen.
[[nodiscard]] steps::Arithmetic rememberedArithmetic();

}  // namespace rowsweep::ui
