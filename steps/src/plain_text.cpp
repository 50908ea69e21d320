#include "rowsweep/steps/plain_text.h"

#include <algorithm>

#include <QStringList>

#include "rowsweep/steps/worked_outline.h"

namespace rowsweep::steps {

namespace {

// The matrix as lines of right-aligned columns, with a bar before the
// augmented column.
QStringList alignedRows(const CellTexts& texts)
{
    std::array<qsizetype, kColumns> widths{};
    for (const auto& row : texts)
        for (int column = 0; column < kColumns; ++column)
            widths[column] = std::max(widths[column], row[column].size());
    QStringList lines;
    for (const auto& row : texts) {
        QString line;
        for (int column = 0; column < kColumns; ++column) {
            if (column > 0)
                line += column + 1 == kColumns ? QStringLiteral("  |  ") : QStringLiteral("  ");
            line += row[column].rightJustified(widths[column]);
        }
        lines << line;
    }
    return lines;
}

}  // namespace

QString gridCopyText(const CellTexts& texts)
{
    QStringList lines;
    for (const auto& row : texts) {
        QStringList fields;
        // A tab or a line break inside a cell would split it into two
        // fields or rows of the copy.
        for (QString field : row)
            fields << field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        lines << fields.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString workedSolutionText(const WorkedSolution& solution)
{
    return outlineText(workedOutline(solution));
}

QString outlineText(const WorkedOutline& outline)
{
    QStringList lines{outline.input.title};
    lines << alignedRows(outline.input.matrix) << outline.inputNotes;
    for (const WrittenStep& step : outline.steps)
        lines << QString() << step.title << step.operations << alignedRows(step.matrix);
    if (!outline.warning.isEmpty())
        lines << QString() << outline.warning;
    for (const WrittenStep& step : outline.continuation)
        lines << QString() << step.title << step.operations << alignedRows(step.matrix);
    if (!outline.solutionTitle.isEmpty())
        lines << QString() << outline.solutionTitle << outline.verdict << outline.solution;
    return lines.join(u'\n') + u'\n';
}

}  // namespace rowsweep::steps
