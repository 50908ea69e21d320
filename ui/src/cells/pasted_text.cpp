#include "rowsweep/ui/cells/pasted_text.h"

#include <algorithm>

#include "rowsweep/steps/cell_line.h"

namespace rowsweep::ui {

namespace {

bool isBlank(const QString& line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

PastedBlock splitPastedText(QStringView text)
{
    QString lines = text.toString();
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QChar lineEnd : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        lines.replace(lineEnd, QChar(u'\n'));
    QStringList split = lines.split(QChar(u'\n'));
    while (!split.isEmpty() && isBlank(split.back()))
        split.removeLast();
    while (!split.isEmpty() && isBlank(split.front()))
        split.removeFirst();

    PastedBlock block;
    for (const QString& line : split)
        block << steps::splitCellLine(line);
    return block;
}

bool isBlock(const PastedBlock& block)
{
    return block.size() > 1 || (block.size() == 1 && block.front().size() > 1);
}

QString singleValue(const PastedBlock& block)
{
    return block.isEmpty() || block.front().isEmpty() ? QString() : block.front().front();
}

}  // namespace rowsweep::ui
