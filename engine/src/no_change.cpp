#include "rowsweep/engine/no_change.h"

namespace rowsweep {

namespace {

std::string counted(int index)
{
    return std::to_string(index + 1);
}

}  // namespace

std::string noChangeWords(const NoChange& reason)
{
    const std::string column = "column " + counted(reason.column);
    switch (reason.kind) {
    case NoChange::Kind::ColumnHasNoNonZero:
        return column + " has no entry other than 0";
    case NoChange::Kind::AlreadyOne:
        return "row " + counted(reason.row) + " already has 1 in " + column;
    case NoChange::Kind::AlreadyZero:
        return "row " + counted(reason.row) + " already has 0 in " + column;
    case NoChange::Kind::RowsHaveZero:
        return "rows " + counted(reason.row) + " and " + counted(reason.otherRow) + " have 0 in " + column;
    }
    return {};
}

}  // namespace rowsweep
