#include "rowsweep/batch/worked_matrices.h"

#include <QCoreApplication>

#include "rowsweep/steps/solve.h"

namespace rowsweep::batch {

namespace {

// The cell as an error line shows it: quoted, cut short, and with nothing
// that would upset a terminal.
QString quoted(const QString& cell)
{
    constexpr qsizetype kShown = 40;
    QString shown = cell.size() > kShown ? cell.left(kShown) + QChar(0x2026) : cell;
    for (QChar& character : shown)
        if (!character.isPrint())
            character = QChar::ReplacementCharacter;
    return u'"' + shown + u'"';
}

// Why a batch refuses a cell the windows would count as 0.
QString refusal(int column, const QString& cell, steps::Unread why)
{
    switch (why) {
    case steps::Unread::NotInFloatingPoint:
        return cell.contains(u'/') ? QStringLiteral("column %1 holds %2, a fraction: use --exact").arg(column + 1).arg(cell)
                                   : QStringLiteral("column %1 holds %2, beyond the range of floating point: use --exact")
                                         .arg(column + 1)
                                         .arg(cell);
    case steps::Unread::TooLongForExact:
        return QStringLiteral("column %1 holds %2, too large for exact fractions: at most 100,000 digits")
            .arg(column + 1)
            .arg(cell);
    case steps::Unread::No:
    case steps::Unread::NotANumber:
        break;
    }
    return QStringLiteral("column %1 holds %2, which is not a number").arg(column + 1).arg(cell);
}

// The first cell, in the file's order, that the Solve could not read.
std::optional<FileError> unreadCell(const MatrixGroup& group, const steps::WorkedSolution& solution)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const steps::Unread why = solution.unread[row][column].why;
            if (why != steps::Unread::No)
                return FileError{group.lines[row], refusal(column, quoted(group.cells[row][column]), why)};
        }
    return std::nullopt;
}

}  // namespace

QString matrixName(const MatrixGroup& group, int index)
{
    if (group.exercise)
        //: Names a matrix that its file names "# Exercise 4711", in the steps and on the sheet.
        return QCoreApplication::translate("Batch", "Exercise %1").arg(*group.exercise);
    //: Names a matrix of a file by its place, counted from 1, before its worked solution.
    return QCoreApplication::translate("Batch", "Matrix %1").arg(index + 1);
}

WorkedFile workMatrices(const MatrixFile& file, steps::Arithmetic arithmetic)
{
    WorkedFile worked;
    for (std::size_t index = 0; index < file.groups.size(); ++index) {
        const MatrixGroup& group = file.groups[index];
        steps::WorkedSolution solution = steps::solveCells(group.cells, arithmetic);
        if ((worked.error = unreadCell(group, solution))) {
            worked.solutions.clear();
            return worked;
        }
        worked.solutions.push_back({matrixName(group, static_cast<int>(index)), std::move(solution)});
    }
    worked.error = file.error;
    if (worked.error)
        worked.solutions.clear();
    return worked;
}

}  // namespace rowsweep::batch
