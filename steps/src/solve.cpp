#include "rowsweep/steps/solve.h"

#include <algorithm>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/reduction.h"

namespace rowsweep::steps {

bool isBlankCell(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

WorkedSolution solveCells(const CellTexts& texts)
{
    WorkedSolution solution;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString& text = texts[row][column];
            const std::optional<double> number = parseCellText(text.toStdString());
            solution.input[row][column] = number.value_or(0.0);
            solution.unreadable[row][column] = !number && !isBlankCell(text);
        }
    solution.reduction = reduce(solution.input);
    solution.warned = solution.reduction.thirdRowNotZero;
    return solution;
}

}  // namespace rowsweep::steps
