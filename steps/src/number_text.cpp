#include "rowsweep/steps/number_text.h"

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/fraction.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep::steps {

QString numberText(const WrittenNumber& number)
{
    return QString::fromStdString(writtenText(number));
}

QString valueHint(const QString& text)
{
    const std::string utf8 = text.toStdString();
    const std::optional<WrittenNumber> typed = readWrittenNumber(utf8);
    if (typed && !typed->denominator.empty()) {
        const std::optional<Rational> fraction = parseExactCellText(utf8, true);
        return fraction ? QStringLiteral("= ") + QString::fromStdString(exactDecimalText(*fraction)) : QString();
    }
    const std::optional<double> number = parseCellText(utf8);
    const std::optional<Fraction> near = number ? nearbyFraction(*number) : std::nullopt;
    if (!near || numberText(writtenNumber(static_cast<double>(near->numerator) / near->denominator)) != text.trimmed())
        return {};
    return QStringLiteral("\u2248 %1/%2").arg(near->numerator).arg(near->denominator);
}

}  // namespace rowsweep::steps
