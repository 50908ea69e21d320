#include "rowsweep/document/exercise_sheet.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPdfWriter>

#include "matrix_layout.h"
#include "page_look.h"
#include "pages.h"
#include "rowsweep/steps/equations.h"
#include "rowsweep/steps/solve.h"
#include "rowsweep/steps/stage_texts.h"

namespace rowsweep::document {

namespace {

bool holdsAnything(const std::array<QString, kColumns>& row)
{
    return std::any_of(row.begin(), row.end(), [](const QString& cell) { return !steps::isBlankCell(cell); });
}

Block exerciseBlock(const Look& look, const SheetExercise& exercise)
{
    Block block;
    append(block.lines, look.paragraph(exercise.name, look.font(kHeadingPoints, true), 0));
    append(block.lines, look.paragraph(exerciseTask(), look.font(kBodyPoints), look.indent()));
    const QFont body = look.font(kBodyPoints);
    const Line halfLine{look.metrics(body).lineSpacing() / 2, [](QPainter&, qreal) {}};
    block.lines.push_back(halfLine);
    for (const QString& equation : exercise.equations)
        append(block.lines, look.paragraph(equation, body, 2 * look.indent()));
    block.lines.push_back(halfLine);
    append(block.lines, matrixLines(look, exercise.matrix, 2 * look.indent()));
    return block;
}

}  // namespace

SheetExercise sheetExercise(const QString& name, const steps::CellTexts& typed, const steps::WorkedSolution& solution)
{
    SheetExercise exercise{name, {}, {}};
    const UnknownsInUse& inUse = solution.verdict.inUse;
    const steps::CellTexts written = steps::inputTexts(solution);
    for (int row = 0; row < kRows; ++row) {
        if (!holdsAnything(typed[row]))
            continue;
        exercise.equations << steps::equationText(solution.input[row], inUse);
        QStringList entries;
        for (int column = 0; column < kColumns; ++column)
            if (column == kUnknowns || inUse[column])
                entries << written[row][column];
        exercise.matrix.push_back(entries);
    }
    return exercise;
}

QString exerciseTask()
{
    //: The task under each exercise's name on an exercise sheet.
    return QCoreApplication::translate("ExerciseSheet",
                                       "Reduce the augmented matrix to reduced row echelon form and solve the system.");
}

int paintExerciseSheet(const std::vector<SheetExercise>& exercises, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Look look(device);
    Pages pages(device, painter, 2 * look.metrics(look.font(kBodyPoints)).lineSpacing());
    for (const SheetExercise& exercise : exercises)
        pages.place(exerciseBlock(look, exercise));
    return painter.end() ? pages.count() : 0;
}

bool writeExerciseSheetPdf(const std::vector<SheetExercise>& exercises, QIODevice& out, const QPageSize& paper)
{
    QPdfWriter writer(&out);
    //: The title a PDF reader shows for an exercise sheet.
    preparePdf(writer, QCoreApplication::translate("ExerciseSheet", "Rowsweep: exercises"), paper);
    return paintExerciseSheet(exercises, writer) > 0;
}

}  // namespace rowsweep::document
