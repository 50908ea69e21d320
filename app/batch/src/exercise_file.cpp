#include "rowsweep/batch/exercise_file.h"

#include <QStringList>

namespace rowsweep::batch {

steps::CellTexts exerciseCells(const Exercise& exercise)
{
    steps::CellTexts cells;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (column == kUnknowns || exercise.inUse[column])
                cells[row][column] = QString::number(exercise.entries[row][column]);
    return cells;
}

QString exerciseFileText(int first, int count, ExerciseKind kind)
{
    QStringList exercises;
    for (int number = first; number < first + count; ++number) {
        QString text = QStringLiteral("# Exercise %1\n").arg(number);
        for (const auto& row : exerciseCells(makeExercise(number, kind)))
            text += QStringList(row.begin(), row.end()).join(u'\t') + u'\n';
        exercises << text;
    }
    return exercises.join(u'\n');
}

}  // namespace rowsweep::batch
