#include "rowsweep/steps/number_text.h"

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/fraction.h"

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

QString valueHint(const QString& text)
{
    const std::string utf8 = text.toStdString();
    if (text.contains(u'/')) {
        const std::optional<mpq_class> fraction = parseExactCellText(utf8, true);
        return fraction ? QStringLiteral("= ") + QString::fromStdString(exactDecimalText(*fraction)) : QString();
    }
    const std::optional<double> number = parseCellText(utf8);
    const std::optional<Fraction> near = number ? nearbyFraction(*number) : std::nullopt;
    if (!near || numberText(static_cast<double>(near->numerator) / near->denominator) != text.trimmed())
        return {};
    return QStringLiteral("\u2248 %1/%2").arg(near->numerator).arg(near->denominator);
}

}  // namespace rowsweep::steps
