#include "rowsweep/steps/stage_explanation.h"

#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

namespace {

QString row(int index)
{
    return QStringLiteral("row %1").arg(index + 1);
}

}  // namespace

QString stageName(std::size_t stage)
{
    return stage + 1 < kStageCount ? QStringLiteral("Step %1").arg(stage + 1) : QStringLiteral("Answer");
}

template<class Number>
bool changesNothing(const BasicRowOperation<Number>& operation)
{
    return operation.kind == RowOperationKind::Divide && operation.factor == 1;
}

template<class Number>
QString describeOperation(const BasicRowOperation<Number>& op)
{
    switch (op.kind) {
    case RowOperationKind::Exchange:
        return QStringLiteral("Exchange rows %1 and %2").arg(op.target + 1).arg(op.source + 1);
    case RowOperationKind::Divide:
        return QStringLiteral("Divide %1 by %2").arg(row(op.target), numberText(op.factor));
    case RowOperationKind::SubtractMultiple:
        if (isNegative(op.factor)) {
            const Number size = -op.factor;
            return QStringLiteral("Add %1 × %2 to %3").arg(numberText(size), row(op.source), row(op.target));
        }
        return QStringLiteral("Subtract %1 × %2 from %3").arg(numberText(op.factor), row(op.source), row(op.target));
    case RowOperationKind::AddQuotient:
        return QStringLiteral("Add %1 divided by %2 to %3").arg(row(op.source), numberText(op.factor), row(op.target));
    }
    return {};
}

template<class Number>
QStringList explainStage(const BasicStage<Number>& stage)
{
    QStringList lines;
    for (const BasicRowOperation<Number>& operation : stage.operations) {
        if (changesNothing(operation))
            continue;
        lines << describeOperation(operation);
        if (operation.firstColumn > 0)
            lines << QStringLiteral("Column %1 of %2 is left as it was").arg(operation.firstColumn).arg(row(operation.target));
    }
    if (lines.isEmpty() && stage.noChange)
        lines << noChangeLine(*stage.noChange);
    return lines;
}

// Rows and columns counted from 1, as a student counts them.
QString noChangeLine(const NoChange& reason)
{
    const QString column = QStringLiteral("column %1").arg(reason.column + 1);
    QString words;
    switch (reason.kind) {
    case NoChange::Kind::ColumnHasNoNonZero:
        words = column + QStringLiteral(" has no entry other than 0");
        break;
    case NoChange::Kind::AlreadyOne:
        words = QStringLiteral("%1 already has 1 in %2").arg(row(reason.row), column);
        break;
    case NoChange::Kind::AlreadyZero:
        words = QStringLiteral("%1 already has 0 in %2").arg(row(reason.row), column);
        break;
    case NoChange::Kind::RowsHaveZero:
        words = QStringLiteral("rows %1 and %2 have 0 in %3").arg(reason.row + 1).arg(reason.otherRow + 1).arg(column);
        break;
    }
    return QStringLiteral("No change: ") + words;
}

template bool changesNothing(const BasicRowOperation<double>&);
template bool changesNothing(const BasicRowOperation<mpq_class>&);
template QString describeOperation(const BasicRowOperation<double>&);
template QString describeOperation(const BasicRowOperation<mpq_class>&);
template QStringList explainStage(const BasicStage<double>&);
template QStringList explainStage(const BasicStage<mpq_class>&);

}  // namespace rowsweep::steps
