#include "rowsweep/steps/practice_words.h"

#include <QCoreApplication>

#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/number_text.h"
#include "rowsweep/steps/solution_set.h"

namespace rowsweep::steps {

namespace {

using Kind = PracticeOperation::Kind;

constexpr QChar kMinus(0x2212);

QString row(int index)
{
    return QStringLiteral("R%1").arg(index + 1);
}

QString written(const Rational& value)
{
    return numberText(writtenNumber(value));
}

// A factor's size before a row: nothing for 1, "4" for a whole number,
// "(1/3)" for a fraction or a decimal.
QString sizeBefore(const Rational& size)
{
    if (size == 1)
        return {};
    const WrittenNumber number = writtenNumber(size);
    const QString text = numberText(number);
    return isWrittenWhole(number) ? text : u'(' + text + u')';
}

// A signed factor before a row: "−2", "(−1/2)", "−" for -1.
QString factorBefore(const Rational& factor)
{
    const QString size = sizeBefore(abs(factor));
    if (factor.sign() > 0)
        return size;
    return size.startsWith(u'(') ? QStringLiteral("(") + kMinus + size.mid(1) : kMinus + size;
}

QString counted(int index)
{
    return QString::number(index + 1);
}

// The hint's own words, starting lower-case inside its parentheses.
QString phrase(const PracticeOperation& operation)
{
    const QString target = counted(operation.target);
    const QString source = counted(operation.source);
    switch (operation.kind) {
    case Kind::Exchange:
        //: Inside the hint's parentheses, lower-case where the language allows; %1 and %2 are row numbers.
        return QCoreApplication::translate("Practice", "exchange rows %1 and %2").arg(target, source);
    case Kind::Multiply: {
        const Rational divisor = operation.factor.reciprocal();
        if (divisor.isInteger())
            //: Inside the hint's parentheses; %1 is a row number, %2 a number as a cell writes it.
            return QCoreApplication::translate("Practice", "divide row %1 by %2").arg(target, written(divisor));
        //: Inside the hint's parentheses; %1 is a row number, %2 a number as a cell writes it.
        return QCoreApplication::translate("Practice", "multiply row %1 by %2").arg(target, written(operation.factor));
    }
    case Kind::AddMultiple:
        break;
    }
    const Rational size = abs(operation.factor);
    const bool subtract = operation.factor.sign() < 0;
    if (size == 1)
        return subtract
                   //: Inside the hint's parentheses; %1 and %2 are row numbers.
                   ? QCoreApplication::translate("Practice", "subtract row %1 from row %2").arg(source, target)
                   //: Inside the hint's parentheses; %1 and %2 are row numbers.
                   : QCoreApplication::translate("Practice", "add row %1 to row %2").arg(source, target);
    return subtract
               //: Inside the hint's parentheses; %1 is a number as a cell writes it, %2 and %3 row numbers.
               ? QCoreApplication::translate("Practice", "subtract %1 × row %2 from row %3").arg(written(size), source, target)
               //: Inside the hint's parentheses; %1 is a number as a cell writes it, %2 and %3 row numbers.
               : QCoreApplication::translate("Practice", "add %1 × row %2 to row %3").arg(written(size), source, target);
}

// A column that became done on its own.
QString columnDone(const Progress& after, int column)
{
    if (after.pivotColumns[column])
        //: Practice feedback; %1 is a column number.
        return QCoreApplication::translate("Practice", "Column %1 is done: its pivot is 1 and every other entry is 0").arg(column + 1);
    const int pivots = after.pivotsBefore(column);
    if (pivots == 0)
        //: Practice feedback for a column that needs no pivot; %1 is a column number.
        return QCoreApplication::translate("Practice", "Column %1 is done: every entry is 0").arg(column + 1);
    //: Practice feedback for a column that needs no pivot; %1 is a column number, %2 the last row with a pivot.
    return QCoreApplication::translate("Practice", "Column %1 is done: it takes no pivot, and below row %2 every entry is 0").arg(column + 1).arg(pivots);
}

}  // namespace

QString operationNotation(const PracticeOperation& operation)
{
    const QString target = row(operation.target);
    switch (operation.kind) {
    case Kind::Exchange:
        return target + QStringLiteral(" \u2194 ") + row(operation.source);
    case Kind::Multiply:
        return target + QStringLiteral(" \u2192 ") + factorBefore(operation.factor) + target;
    case Kind::AddMultiple:
        break;
    }
    const QString operatorSign = operation.factor.sign() < 0 ? QStringLiteral(" ") + kMinus + u' ' : QStringLiteral(" + ");
    return target + QStringLiteral(" \u2192 ") + target + operatorSign + sizeBefore(abs(operation.factor))
           + row(operation.source);
}

QString refusalSentence(const OperationRefusal& refusal)
{
    using Reason = OperationRefusal::Reason;
    switch (refusal.reason) {
    case Reason::NotAnOperation:
        break;
    case Reason::NoSuchRow:
        //: A refused row operation; %1 is the row number typed.
        return QCoreApplication::translate("Practice", "There is no row %1: the matrix has rows 1 to 3").arg(refusal.row);
    case Reason::MultiplyByZero:
        return QCoreApplication::translate("Practice", "Multiplying a row by 0 is not a row operation: the equation would be lost");
    case Reason::NotOneRowAtATime:
        //: The notation after the colon (R, ->, c) stays as it is.
        return QCoreApplication::translate("Practice", "Change one row at a time: Ri -> Ri + c Rk, Ri -> c Ri or Ri <-> Rk");
    case Reason::ExchangeWithItself:
        //: A refused row operation; %1 is a row number.
        return QCoreApplication::translate("Practice", "Exchanging row %1 with itself changes nothing").arg(refusal.row);
    }
    //: The notation after "such as" stays as it is.
    return QCoreApplication::translate("Practice", "Write an operation such as R2 -> R2 - 4R1, R1 <-> R3 or R3 -> 1/2 R3");
}

QString stepFeedback(const Progress& before, const Progress& after)
{
    const int was = before.columnsDone;
    const int is = after.columnsDone;
    if (is == was + 1)
        return columnDone(after, was);
    if (is > was)
        //: Practice feedback when one step completed several columns; %1 and %2 are column numbers.
        return QCoreApplication::translate("Practice", "Columns %1 to %2 are done").arg(was + 1).arg(is);
    if (is + 1 == was)
        //: Practice feedback: a legal step, but a wrong turn; %1 is a column number.
        return QCoreApplication::translate("Practice", "This step undid column %1, which was already done").arg(was);
    if (is < was)
        //: Practice feedback: a legal step, but a wrong turn; %1 and %2 are column numbers.
        return QCoreApplication::translate("Practice", "This step undid columns %1 to %2, which were already done").arg(is + 1).arg(was);
    if (is == 0)
        return QCoreApplication::translate("Practice", "A legal step; no column is done yet");
    //: Practice feedback; %1 is the last column done.
    return QCoreApplication::translate("Practice", "A legal step; columns 1 to %1 stay done").arg(is);
}

QString progressLine(const Progress& progress, PracticeCount count, const Verdict& verdict)
{
    if (!progress.reduced()) {
        if (progress.columnsDone == 0)
            //: The practice's progress: no leading column is in reduced row echelon form yet.
            return QCoreApplication::translate("Practice", "Columns done: none of 6");
        //: The practice's progress; %1 is the last column done, of the six of the augmented matrix.
        return QCoreApplication::translate("Practice", "Columns done: 1 to %1 of 6").arg(progress.columnsDone);
    }
    const QString way = QString::number(count.gaussJordan);
    const QString reached =
        count.taken == 1
            //: %1 is the number of operations the Gauss–Jordan elimination takes from the same start.
            ? QCoreApplication::translate("Practice", "Reduced row echelon form reached in 1 operation (the Gauss\u2013Jordan way from the start takes %1)").arg(way)
            //: %n operations taken by the student; %1 the operations the Gauss–Jordan elimination takes.
            : QCoreApplication::translate("Practice",
                                          "Reduced row echelon form reached in %n operations (the Gauss\u2013Jordan "
                                          "way from the start takes %1)",
                                          nullptr, count.taken)
                  .arg(way);
    return reached + u'\n' + verdictLine(verdict);
}

QString hintLine(const std::optional<PracticeOperation>& next)
{
    if (!next)
        return QCoreApplication::translate("Practice", "Nothing left to do: this is the reduced row echelon form");
    //: The hint; %1 is the operation in the notation, %2 the same in words.
    return QCoreApplication::translate("Practice", "Next: %1 (%2)").arg(operationNotation(*next), phrase(*next));
}

}  // namespace rowsweep::steps
