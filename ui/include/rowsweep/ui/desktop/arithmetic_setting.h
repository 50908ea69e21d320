#pragma once

#include <optional>

#include <QObject>

#include "rowsweep/steps/worked_solution.h"

namespace rowsweep::ui {

// The arithmetic every Solve uses, for the whole program: floating point,
// or Exact Fractions. The user's choice is remembered between runs, in the
// settings of the application's organisation and name; a first run
// without one is in floating point.
class ArithmeticSetting final : public QObject {
    Q_OBJECT

public:
    // `forThisRun` (from --exact or --floating-point) starts in that
    // arithmetic without touching the remembered choice.
    explicit ArithmeticSetting(std::optional<steps::Arithmetic> forThisRun = std::nullopt, QObject* parent = nullptr);

    [[nodiscard]] steps::Arithmetic value() const;

    // The user's choice: takes effect at once and is remembered.
    void choose(steps::Arithmetic arithmetic);

signals:
    void changed(steps::Arithmetic arithmetic);

private:
    // Read on first use, not while the program starts.
    mutable std::optional<steps::Arithmetic> value_;
};

}  // namespace rowsweep::ui
