#include "rowsweep/steps/solve.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep::steps {

bool isBlankCell(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

WorkedSolution solveCells(const CellTexts& texts, Arithmetic arithmetic)
{
    const bool exact = arithmetic == Arithmetic::Exact;
    WorkedSolution solution;
    ExactMatrix exactInput;
    Matrix input{};
    UnknownsInUse inUse{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString& text = texts[row][column];
            const std::string utf8 = text.toStdString();
            const std::optional<Rational> value = parseExactCellText(utf8, exact);
            exactInput[row][column] = value.value_or(0);
            bool read = value.has_value();
            if (!exact) {
                const std::optional<double> number = parseCellText(utf8);
                input[row][column] = number.value_or(0.0);
                read = number.has_value();
                solution.fractionsLeftUnread[row][column] = !read && parseExactCellText(utf8, true).has_value();
            }
            solution.unreadable[row][column] = !read && !isBlankCell(text);
            if (column < kUnknowns && !isBlankCell(text))
                inUse[column] = true;
        }

    // The reduced form goes on from the exact Answer in either arithmetic.
    ExactReduction exactReduction = reduce(exactInput);
    solution.reducedForm = continueToReducedForm(exactReduction.answer());
    solution.verdict = readVerdict(solution.reducedForm, inUse);
    if (exact) {
        solution.warned = !solution.verdict.solvable;
        solution.solve = BasicSolve<Rational>{exactInput, std::move(exactReduction)};
    } else {
        const Reduction reduction = reduce(input);
        solution.warned = reduction.thirdRowNotZero;
        solution.warningFromRounding = solution.warned && !exactReduction.thirdRowNotZero;
        solution.solve = BasicSolve<double>{input, reduction};
    }
    return solution;
}

}  // namespace rowsweep::steps
