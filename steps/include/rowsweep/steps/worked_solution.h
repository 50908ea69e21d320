#pragma once

#include <array>
#include <cstddef>
#include <variant>

#include <QString>
#include <QStringList>

#include "rowsweep/engine/exact_reduction.h"
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
    std::variant<BasicSolve<double>, BasicSolve<mpq_class>> solve;
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

using CellTexts = std::array<std::array<QString, kColumns>, kRows>;

// A matrix as cells of its arithmetic write it.
template<class Number>
[[nodiscard]] CellTexts matrixTexts(const BasicMatrix<Number>& matrix);
// The input as read, written as cells of the solution's arithmetic write numbers.
[[nodiscard]] CellTexts inputTexts(const WorkedSolution& solution);

// The texts a grid shows for the matrix after one stage (the last is the
// answer), written as cells of the solution's arithmetic write numbers.
[[nodiscard]] CellTexts stageTexts(const WorkedSolution& solution, std::size_t stage);

// What one stage did, as its frame explains it; the answer's explanation
// ends with misleadingWarningHint when exact arithmetic leaves row 3 zero.
[[nodiscard]] QStringList explainStage(const WorkedSolution& solution, std::size_t stage);

// The line that points from a warning to the solutions found all the same.
[[nodiscard]] QString solutionsDespiteWarning();

// The texts of one grid as spreadsheets copy them and a paste fills a grid
// from them: a line per row, the six values separated by tabs.
[[nodiscard]] QString gridCopyText(const CellTexts& texts);

// The whole solution as plain text: the input, then each stage's name,
// what it did and the matrix after it, columns aligned and a bar before the
// augmented column; the warning, when it was shown; the steps on to the
// reduced form; then the solution set.
[[nodiscard]] QString workedSolutionText(const WorkedSolution& solution);

// The chain of matrices as a LaTeX fragment that needs only amsmath: each
// arrow carries the row operations of one stage; stages that changed
// nothing are left out. The steps to the reduced form go on from the
// Answer, and the solution set follows in display math.
[[nodiscard]] QString workedSolutionLatex(const WorkedSolution& solution);

// A matrix entry in LaTeX: "\infty", "\mathrm{NaN}", "1.5 \times 10^{-16}",
// "-\frac{7}{4}".
[[nodiscard]] QString latexNumber(double value);
[[nodiscard]] QString latexNumber(const mpq_class& value);

// A positive number that multiplies something: "\tfrac{3}{2}", "17".
[[nodiscard]] QString latexCoefficient(const mpq_class& value);

}  // namespace rowsweep::steps
