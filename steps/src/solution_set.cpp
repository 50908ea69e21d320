#include "rowsweep/steps/solution_set.h"

#include <QCoreApplication>

#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

QStringList freeUnknowns(const Verdict& verdict, UnknownName name)
{
    QStringList names;
    for (int unknown = 0; unknown < kUnknowns; ++unknown)
        if (verdict.isFree[unknown])
            names << name(unknown);
    return names;
}

QStringList rightHandSide(const PivotUnknown& pivot, UnknownName name, SizeWriter number)
{
    QStringList terms;
    const auto append = [&terms](bool negative, const QString& term) {
        if (terms.isEmpty())
            terms << (negative ? u'-' + term : term);
        else
            terms << (negative ? QStringLiteral(" - ") : QStringLiteral(" + ")) + term;
    };
    if (sgn(pivot.constant) != 0)
        append(sgn(pivot.constant) < 0, number(abs(pivot.constant)));
    for (int unknown = 0; unknown < kUnknowns; ++unknown) {
        const mpq_class& coefficient = pivot.freeCoefficients[unknown];
        if (sgn(coefficient) == 0)
            continue;
        const mpq_class size = abs(coefficient);
        append(sgn(coefficient) < 0, size == 1 ? name(unknown) : number(size) + u' ' + name(unknown));
    }
    return terms.isEmpty() ? QStringList{QStringLiteral("0")} : terms;
}

namespace {

QString plainUnknown(int unknown)
{
    return QStringLiteral("x%1").arg(unknown + 1);
}

QString plainNumber(const mpq_class& value)
{
    return numberText(value);
}

// "x1 = -1 + 17 x3 - 2 x4 + 28 x5", a line per pivot unknown.
QStringList pivotLines(const Verdict& verdict)
{
    QStringList lines;
    for (const PivotUnknown& pivot : verdict.pivots)
        lines << plainUnknown(pivot.unknown) + QStringLiteral(" = ") + rightHandSide(pivot, plainUnknown, plainNumber).join(QString());
    return lines;
}

}  // namespace

QString verdictLine(const Verdict& verdict)
{
    if (!verdict.solvable)
        return QCoreApplication::translate("Verdict", "No solution: the equations contradict each other");
    if (verdict.nothingToSolve())
        return QCoreApplication::translate("Verdict", "Nothing to solve: every coefficient column is empty");
    const QStringList free = freeUnknowns(verdict, plainUnknown);
    if (free.isEmpty())
        return QCoreApplication::translate("Verdict", "One solution: %1").arg(pivotLines(verdict).join(QStringLiteral(", ")));
    return QCoreApplication::translate("Verdict", "Infinitely many solutions: %1 free").arg(free.join(QStringLiteral(", ")));
}

QStringList solutionLines(const Verdict& verdict)
{
    if (!verdict.solvable)
        return {QCoreApplication::translate("Verdict", "Row %1 reads 0 = %2")
                    .arg(verdict.contradictionRow + 1)
                    .arg(numberText(verdict.contradictionValue))};
    QStringList lines = pivotLines(verdict);
    const QStringList free = freeUnknowns(verdict, plainUnknown);
    if (!free.isEmpty())
        lines << QCoreApplication::translate("Verdict", "%1 free").arg(free.join(QStringLiteral(", ")));
    return lines;
}

}  // namespace rowsweep::steps
