#include "rowsweep/steps/stage_explanation.h"

#include <QCoreApplication>

#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

namespace {

// Rows and columns counted from 1, as a student counts them.
int counted(int index)
{
    return index + 1;
}

// A multiple of 1 is the row itself, written without a factor.
QString addOrSubtractRow(bool add, const WrittenOperation& op)
{
    const int source = counted(op.source);
    const int target = counted(op.target);
    //: An elementary row operation; %1 and %2 are row numbers.
    return add ? QCoreApplication::translate("Explanation", "Add row %1 to row %2").arg(source).arg(target)
               //: An elementary row operation; %1 and %2 are row numbers.
               : QCoreApplication::translate("Explanation", "Subtract row %1 from row %2").arg(source).arg(target);
}

}  // namespace

QString stageName(std::size_t stage)
{
    //: A stage of the reduction, as its frame and the copied steps name it.
    return stage + 1 < kStageCount ? QCoreApplication::translate("Steps", "Step %1").arg(stage + 1)
                                   //: The last stage: the reduced matrix itself, as its frame names it.
                                   : QCoreApplication::translate("Steps", "Answer");
}

QString describeOperation(const WrittenOperation& op)
{
    switch (op.kind) {
    case RowOperationKind::Exchange:
        //: An elementary row operation; %1 and %2 are row numbers.
        return QCoreApplication::translate("Explanation", "Exchange rows %1 and %2")
            .arg(counted(op.target))
            .arg(counted(op.source));
    case RowOperationKind::Divide:
        //: %1 is a row number, %2 a number written as a cell writes it ("4", "-13/9", "0.25").
        return QCoreApplication::translate("Explanation", "Divide row %1 by %2")
            .arg(QString::number(counted(op.target)), numberText(op.factor));
    case RowOperationKind::SubtractMultiple:
        if (op.unitFactor)
            return addOrSubtractRow(op.factor.negative, op);
        if (op.factor.negative) {
            WrittenNumber size = op.factor;
            size.negative = false;
            //: %1 is a number written as a cell writes it ("4", "4/3"); %2 and %3 are row numbers.
            return QCoreApplication::translate("Explanation", "Add %1 × row %2 to row %3")
                .arg(numberText(size), QString::number(counted(op.source)), QString::number(counted(op.target)));
        }
        //: %1 is a number written as a cell writes it ("4", "4/3"); %2 and %3 are row numbers.
        return QCoreApplication::translate("Explanation", "Subtract %1 × row %2 from row %3")
            .arg(numberText(op.factor), QString::number(counted(op.source)), QString::number(counted(op.target)));
    case RowOperationKind::AddQuotient:
        if (op.unitFactor)
            return addOrSubtractRow(!op.factor.negative, op);
        //: %1 and %3 are row numbers; %2 is a number written as a cell writes it ("4", "4/3").
        return QCoreApplication::translate("Explanation", "Add row %1 divided by %2 to row %3")
            .arg(QString::number(counted(op.source)), numberText(op.factor), QString::number(counted(op.target)));
    }
    return {};
}

QStringList explainStage(const WrittenStage& stage)
{
    QStringList lines;
    for (const WrittenOperation& operation : stage.operations) {
        if (operation.changesNothing)
            continue;
        lines << describeOperation(operation);
        if (operation.firstColumn > 0)
            //: Follows a row operation that skipped the row's first columns; %1 is a column, %2 a row number.
            lines << QCoreApplication::translate("Explanation", "Column %1 of row %2 is left as it was")
                         .arg(operation.firstColumn)
                         .arg(counted(operation.target));
    }
    if (lines.isEmpty() && stage.noChange)
        lines << noChangeLine(*stage.noChange);
    return lines;
}

// Why a stage changed nothing, a whole sentence each, so that a language
// can put the row and the column where it needs them.
QString noChangeLine(const NoChange& reason)
{
    const int row = counted(reason.row);
    const int column = counted(reason.column);
    switch (reason.kind) {
    case NoChange::Kind::ColumnHasNoNonZero:
        //: Why a stage left the matrix as it was; %1 is a column number.
        return QCoreApplication::translate("Explanation", "No change: column %1 has no entry other than 0").arg(column);
    case NoChange::Kind::AlreadyOne:
        //: Why a stage left the matrix as it was; %1 is a row, %2 a column number.
        return QCoreApplication::translate("Explanation", "No change: row %1 already has 1 in column %2")
            .arg(row)
            .arg(column);
    case NoChange::Kind::AlreadyZero:
        //: Why a stage left the matrix as it was; %1 is a row, %2 a column number.
        return QCoreApplication::translate("Explanation", "No change: row %1 already has 0 in column %2")
            .arg(row)
            .arg(column);
    case NoChange::Kind::RowsHaveZero:
        //: Why a stage left the matrix as it was; %1 and %2 are row numbers, %3 a column number.
        return QCoreApplication::translate("Explanation", "No change: rows %1 and %2 have 0 in column %3")
            .arg(row)
            .arg(counted(reason.otherRow))
            .arg(column);
    }
    return {};
}

}  // namespace rowsweep::steps
