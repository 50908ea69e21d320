#include "rowsweep/steps/number_text.h"

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep::steps {

QString numberText(double value)
{
    CellTextBuffer buffer;
    const std::string_view text = formatCellText(value, buffer);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString numberText(const mpq_class& value)
{
    return QString::fromStdString(formatExactCellText(value));
}

}  // namespace rowsweep::steps
