#include "rowsweep/steps/stage_explanation.h"

#include <array>
#include <cmath>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/steps/number_text.h"

namespace rowsweep::steps {

namespace {

QString row(int index)
{
    return QStringLiteral("row %1").arg(index + 1);
}

QString noChange(const QString& reason)
{
    return QStringLiteral("No change: ") + reason;
}

// Why a stage whose tests found nothing to do left the matrix alone;
// columns and rows counted from 1.
QString reasonForNoChange(std::size_t stage, const Matrix& a)
{
    switch (stage) {
    case 0:
        return isZero(a[0][0]) ? noChange(QStringLiteral("column 1 has no entry other than 0"))
                               : noChange(QStringLiteral("row 1 already has 1 in column 1"));
    case 1:
        return noChange(QStringLiteral("row 2 already has 0 in column 1"));
    case 2:
        return noChange(QStringLiteral("row 3 already has 0 in column 1"));
    case 3:
        return isZero(a[0][1]) ? noChange(QStringLiteral("row 1 already has 0 in column 2"))
                               : noChange(QStringLiteral("rows 2 and 3 have 0 in column 2"));
    case 4:
        return isZero(a[1][1]) ? noChange(QStringLiteral("rows 2 and 3 have 0 in column 2"))
                               : noChange(QStringLiteral("row 2 already has 1 in column 2"));
    default:
        return noChange(QStringLiteral("row 3 already has 0 in column 2"));
    }
}

}  // namespace

QString stageName(std::size_t stage)
{
    return stage + 1 < kStageCount ? QStringLiteral("Step %1").arg(stage + 1) : QStringLiteral("Answer");
}

bool changesNothing(const RowOperation& operation)
{
    return operation.kind == RowOperation::Kind::Divide && operation.factor == 1.0;
}

QString describeOperation(const RowOperation& op)
{
    switch (op.kind) {
    case RowOperation::Kind::Exchange:
        return QStringLiteral("Exchange rows %1 and %2").arg(op.target + 1).arg(op.source + 1);
    case RowOperation::Kind::Divide:
        return QStringLiteral("Divide %1 by %2").arg(row(op.target), numberText(op.factor));
    case RowOperation::Kind::SubtractMultiple:
        if (op.factor < 0)
            return QStringLiteral("Add %1 × %2 to %3").arg(numberText(-op.factor), row(op.source), row(op.target));
        return QStringLiteral("Subtract %1 × %2 from %3").arg(numberText(op.factor), row(op.source), row(op.target));
    case RowOperation::Kind::AddQuotient:
        return QStringLiteral("Add %1 divided by %2 to %3").arg(row(op.source), numberText(op.factor), row(op.target));
    }
    return {};
}

QStringList explainStage(std::size_t stage, const Matrix& before, const StageOperations& operations)
{
    QStringList lines;
    for (const RowOperation& operation : operations) {
        if (changesNothing(operation))
            continue;
        lines << describeOperation(operation);
        if (operation.firstColumn > 0)
            lines << QStringLiteral("Column %1 of %2 is left as it was").arg(operation.firstColumn).arg(row(operation.target));
    }
    if (lines.isEmpty())
        lines << reasonForNoChange(stage, before);
    return lines;
}

}  // namespace rowsweep::steps
