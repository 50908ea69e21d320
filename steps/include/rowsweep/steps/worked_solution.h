#pragma once

#include <array>
#include <variant>

#include <QString>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/verdict.h"

namespace rowsweep::steps {

// How the six stages compute: IEEE doubles, or exact fractions.
enum class Arithmetic { FloatingPoint, Exact };

// The input as read and the reduction of it, in one arithmetic.
template<class Number>
struct BasicSolve {
    BasicMatrix<Number> input{};  // a cell that is not a number counts as 0
    BasicReduction<Number> reduction{};
};

// Everything one Solve worked out, handed down to whatever shows or copies it.
struct WorkedSolution {
    std::variant<BasicSolve<double>, BasicSolve<Rational>> solve;
    CellMask unreadable{};  // held text that is not a number; blank cells do not count
    // Floating point only: unreadable cells that Exact Fractions reads as fractions.
    CellMask fractionsLeftUnread{};
    bool warned = false;  // the "Math error" warning is shown
    // Floating point warned, but exact arithmetic leaves row 3 all zero.
    bool warningFromRounding = false;
    // From the exact Answer on, whatever the arithmetic of the stages.
    ReducedForm reducedForm;
    Verdict verdict;  // read from the reduced form

    [[nodiscard]] Arithmetic arithmetic() const
    {
        return std::holds_alternative<BasicSolve<double>>(solve) ? Arithmetic::FloatingPoint : Arithmetic::Exact;
    }
};

// The texts of one grid, [row][column].
using CellTexts = std::array<std::array<QString, kColumns>, kRows>;

}  // namespace rowsweep::steps
