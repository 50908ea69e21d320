#include "rowsweep/steps/solution_set.h"

#include <QCoreApplication>

#include "rowsweep/engine/written_exact.h"
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
    if (!pivot.constant.isZero())
        append(pivot.constant.sign() < 0, number(writtenNumber(abs(pivot.constant))));
    for (int unknown = 0; unknown < kUnknowns; ++unknown) {
        const Rational& coefficient = pivot.freeCoefficients[unknown];
        if (coefficient.isZero())
            continue;
        const Rational size = abs(coefficient);
        append(coefficient.sign() < 0, size == 1 ? name(unknown) : number(writtenNumber(size)) + u' ' + name(unknown));
    }
    return terms.isEmpty() ? QStringList{QStringLiteral("0")} : terms;
}

namespace {

QString plainUnknown(int unknown)
{
    return QStringLiteral("x%1").arg(unknown + 1);
}

// "x1 = -1 + 17 x3 - 2 x4 + 28 x5", a line per pivot unknown.
QStringList pivotLines(const Verdict& verdict)
{
    QStringList lines;
    for (const PivotUnknown& pivot : verdict.pivots)
        lines << plainUnknown(pivot.unknown) + QStringLiteral(" = ") + rightHandSide(pivot, plainUnknown, numberText).join(QString());
    return lines;
}

}  // namespace

QString verdictLine(const Verdict& verdict)
{
    if (!verdict.solvable)
        //: The verdict line under the result matrix.
        return QCoreApplication::translate("Verdict", "No solution: the equations contradict each other");
    if (verdict.nothingToSolve())
        //: The verdict line when the five coefficient columns are all zero.
        return QCoreApplication::translate("Verdict", "Nothing to solve: every coefficient column is empty");
    const QStringList free = freeUnknowns(verdict, plainUnknown);
    if (free.isEmpty())
        //: %1 is the solution, "x1 = 2, x2 = 3, x3 = -1".
        return QCoreApplication::translate("Verdict", "One solution: %1").arg(pivotLines(verdict).join(QStringLiteral(", ")));
    const int freeCount = static_cast<int>(free.size());
    //: %1 names the free unknowns, "x3" or "x3, x4, x5"; their count picks the plural form.
    return QCoreApplication::translate("Verdict", "Infinitely many solutions: %1 free", nullptr, freeCount)
        .arg(free.join(QStringLiteral(", ")));
}

QStringList solutionLines(const Verdict& verdict)
{
    if (!verdict.solvable)
        //: Why there is no solution: row %1 of the reduced form is the equation 0 = %2, %2 not 0.
        return {QCoreApplication::translate("Verdict", "Row %1 reads 0 = %2")
                    .arg(verdict.contradictionRow + 1)
                    .arg(numberText(writtenNumber(verdict.contradictionValue)))};
    QStringList lines = pivotLines(verdict);
    const QStringList free = freeUnknowns(verdict, plainUnknown);
    const int freeCount = static_cast<int>(free.size());
    if (freeCount > 0)
        //: Last line of the general solution: %1 names the free unknowns, "x3" or "x3, x4, x5"; their count picks the plural form.
        lines << QCoreApplication::translate("Verdict", "%1 free", nullptr, freeCount)
                     .arg(free.join(QStringLiteral(", ")));
    return lines;
}

}  // namespace rowsweep::steps
