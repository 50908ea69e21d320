#include "rowsweep/steps/solve.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/steps/written_stage.h"

namespace rowsweep::steps {

namespace {

template<class Number>
void writeStages(WorkedSolution& solution, const BasicMatrix<Number>& input, const BasicReduction<Number>& reduction)
{
    solution.input = writtenMatrix(input);
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        solution.stages[stage] = writtenStage(reduction.stages[stage]);
}

// What the floating-point warning looked at in row 3 of the Answer.
void markResidue(WorkedSolution& solution, const Reduction& reduction)
{
    const auto& thirdRow = reduction.answer()[kRows - 1];
    for (int column = 0; column < kColumns; ++column)
        solution.residue[kRows - 1][column] = !readsBackAsZero(thirdRow[column]);
    solution.residueBeyondRange =
        std::any_of(thirdRow.begin(), thirdRow.end(), [](double value) { return !std::isfinite(value); });
}

}  // namespace

bool isBlankCell(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

ExactCells readExactCells(const CellTexts& texts, bool fractions)
{
    ExactCells cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString& text = texts[row][column];
            const std::optional<Rational> value = parseExactCellText(text.toStdString(), fractions);
            cells.matrix[row][column] = value.value_or(0);
            cells.unreadable[row][column] = !value && !isBlankCell(text);
            if (column < kUnknowns && !isBlankCell(text))
                cells.inUse[column] = true;
        }
    return cells;
}

WorkedSolution solveCells(const CellTexts& texts, Arithmetic arithmetic)
{
    const bool exact = arithmetic == Arithmetic::Exact;
    WorkedSolution solution;
    solution.arithmetic = arithmetic;
    const ExactCells cells = readExactCells(texts, exact);
    const ExactMatrix& exactInput = cells.matrix;
    const UnknownsInUse& inUse = cells.inUse;
    solution.unreadable = cells.unreadable;
    Matrix input{};
    if (!exact)
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) {
                const QString& text = texts[row][column];
                const std::string utf8 = text.toStdString();
                const std::optional<double> number = parseCellText(utf8);
                input[row][column] = number.value_or(0.0);
                solution.fractionsLeftUnread[row][column] = !number && parseExactCellText(utf8, true).has_value();
                solution.unreadable[row][column] = !number && !isBlankCell(text);
            }

    // The reduced form goes on from the exact Answer in either arithmetic.
    const ExactReduction exactReduction = reduce(exactInput);
    solution.reducedForm = continueToReducedForm(exactReduction.answer());
    solution.verdict = readVerdict(solution.reducedForm, inUse);
    solution.exactAnswer = writtenMatrix(solution.reducedForm.start);
    solution.exactSteps = writtenSteps(solution.reducedForm);
    if (exact) {
        solution.warned = !solution.verdict.solvable;
        writeStages(solution, exactInput, exactReduction);
    } else {
        const Reduction reduction = reduce(input);
        solution.warned = reduction.thirdRowNotZero;
        solution.warningFromRounding = solution.warned && !exactReduction.thirdRowNotZero;
        markResidue(solution, reduction);
        writeStages(solution, input, reduction);
    }
    return solution;
}

}  // namespace rowsweep::steps
