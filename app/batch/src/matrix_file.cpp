#include "rowsweep/batch/matrix_file.h"

#include <algorithm>

#include <QRegularExpression>
#include <QStringDecoder>

#include "rowsweep/steps/cell_line.h"

namespace rowsweep::batch {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// The first line, counted from 1, that is not UTF-8.
int firstLineNotUtf8(QByteArrayView bytes)
{
    int line = 1;
    for (qsizetype start = 0; start <= bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QStringDecoder decoder(QStringDecoder::Utf8);
        static_cast<void>(QString(decoder(bytes.sliced(start, end - start))));
        if (decoder.hasError())
            return line;
        start = end + 1;
    }
    return line;
}

bool isBlank(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

bool isComment(QStringView line)
{
    return line.trimmed().startsWith(u'#');
}

std::optional<int> exerciseNamed(QStringView comment)
{
    static const QRegularExpression exercise(QStringLiteral("^\\s*#\\s*Exercise\\s+(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch match = exercise.match(comment.toString());
    return match.hasMatch() ? std::optional<int>(match.capturedView(1).toInt()) : std::nullopt;
}

// Reads one row into the group, or says why it cannot be one.
std::optional<QString> readRow(QStringView line, MatrixGroup& group, int row, int lineNumber)
{
    if (row == kRows)
        return QStringLiteral("a matrix has at most %1 rows").arg(kRows);
    QStringList cells = steps::splitCellLine(line);
    while (!cells.isEmpty() && cells.back().isEmpty())
        cells.removeLast();
    if (cells.size() > kColumns)
        return QStringLiteral("a matrix has at most %1 columns").arg(kColumns);
    group.lines[row] = lineNumber;
    for (int column = 0; column < cells.size(); ++column) {
        if (cells[column].size() > kLongestCell)
            return QStringLiteral("column %1 holds %2 characters; a cell takes at most %3")
                .arg(column + 1)
                .arg(cells[column].size())
                .arg(kLongestCell);
        group.cells[row][column] = cells[column];
    }
    return std::nullopt;
}

}  // namespace

MatrixFile readMatrixFile(QByteArrayView bytes)
{
    MatrixFile file;
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        file.error = FileError{firstLineNotUtf8(bytes), QStringLiteral("not UTF-8 text")};
        return file;
    }

    std::optional<int> name;
    int rows = 0;  // in the open group; 0 when none is open
    int lineNumber = 0;
    // The CR of a CR LF line end is white space, which the cells drop.
    for (const QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (isBlank(line)) {
            rows = 0;
            name.reset();
            continue;
        }
        if (isComment(line)) {
            if (const std::optional<int> exercise = exerciseNamed(line)) {
                rows = 0;
                name = exercise;
            }
            continue;
        }
        if (rows == 0) {
            file.groups.push_back({name, {}, {}});
            name.reset();
        }
        if (std::optional<QString> why = readRow(line, file.groups.back(), rows, lineNumber)) {
            file.error = FileError{lineNumber, *why};
            return file;
        }
        ++rows;
    }
    if (file.groups.empty())
        file.error = FileError{0, QStringLiteral("holds no matrix")};
    return file;
}

}  // namespace rowsweep::batch
