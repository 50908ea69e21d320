#include "rowsweep/steps/equations.h"

#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

namespace {

constexpr QChar kMinus(0x2212);

// Its size as a cell writes it, the sign left to the equation.
QString sizeText(WrittenNumber number)
{
    number.negative = false;
    return numberText(number);
}

// "2x1", "x1", "0.5x1", "3/4 x1": a number made of digits alone reads as
// one with the unknown; a fraction or an exponent would not.
QString term(const WrittenNumber& coefficient, int unknown)
{
    const QString unknownName = QStringLiteral("x%1").arg(unknown + 1);
    if (isWrittenOne(coefficient))
        return unknownName;
    const QString size = sizeText(coefficient);
    return isWrittenInDigits(coefficient) ? size + unknownName : size + u' ' + unknownName;
}

}  // namespace

QString equationText(const std::array<WrittenNumber, kColumns>& row, const UnknownsInUse& inUse)
{
    QString left;
    for (int unknown = 0; unknown < kUnknowns; ++unknown) {
        const WrittenNumber& coefficient = row[unknown];
        if (!inUse[unknown] || isWrittenZero(coefficient))
            continue;
        if (left.isEmpty())
            left = coefficient.negative ? kMinus + term(coefficient, unknown) : term(coefficient, unknown);
        else
            left += (coefficient.negative ? QStringLiteral(" %1 ").arg(kMinus) : QStringLiteral(" + ")) + term(coefficient, unknown);
    }
    const WrittenNumber& right = row[kColumns - 1];
    return (left.isEmpty() ? QStringLiteral("0") : left) + QStringLiteral(" = ")
           + (right.negative ? kMinus + sizeText(right) : sizeText(right));
}

}  // namespace rowsweep::steps
