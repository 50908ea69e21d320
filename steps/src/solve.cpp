#include "rowsweep/steps/solve.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/steps/cell_reading.h"
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

// An unknown is in use when its column holds anything in some row.
UnknownsInUse unknownsInUse(const CellTexts& texts)
{
    UnknownsInUse inUse{};
    for (const auto& row : texts)
        for (int column = 0; column < kUnknowns; ++column)
            if (!isBlankCell(row[column]))
                inUse[column] = true;
    return inUse;
}

}  // namespace

bool isBlankCell(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

ExactCells readExactCells(const CellTexts& texts)
{
    ExactCells cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString& text = texts[row][column];
            CellReading reading = readCell(text, Arithmetic::Exact);
            if (reading.unread != Unread::No)
                cells.unread[row][column] = {reading.unread, text};
            cells.matrix[row][column] = std::move(reading.exact);
        }
    cells.inUse = unknownsInUse(texts);
    return cells;
}

WorkedSolution solveCells(const CellTexts& texts, Arithmetic arithmetic)
{
    const bool exact = arithmetic == Arithmetic::Exact;
    WorkedSolution solution;
    solution.arithmetic = arithmetic;
    ExactMatrix exactInput;
    Matrix input{};
    const UnknownsInUse inUse = unknownsInUse(texts);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString& text = texts[row][column];
            CellReading reading = readCell(text, arithmetic);
            input[row][column] = reading.floating;
            if (reading.unread != Unread::No)
                solution.unread[row][column] = {reading.unread, text};
            solution.inputBeyondRange = solution.inputBeyondRange
                                        || (reading.unread == Unread::NotInFloatingPoint && !reading.exact.isZero());
            exactInput[row][column] = std::move(reading.exact);
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
