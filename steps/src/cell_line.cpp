#include "rowsweep/steps/cell_line.h"

namespace rowsweep::steps {

QStringList splitCellLine(QStringView line)
{
    QStringList values;
    for (const QChar separator : {QChar(u'\t'), QChar(u';')}) {
        if (!line.contains(separator))
            continue;
        for (const QStringView value : line.split(separator))
            values << value.trimmed().toString();
        return values;
    }
    QString value;
    for (const QChar character : line) {
        if (!character.isSpace()) {
            value += character;
        } else if (!value.isEmpty()) {
            values << value;
            value.clear();
        }
    }
    if (!value.isEmpty())
        values << value;
    return values;
}

}  // namespace rowsweep::steps
