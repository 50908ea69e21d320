#pragma once

#include <QStringList>
#include <QStringView>

namespace rowsweep::steps {

// A row of values as spreadsheets and text files write it, split into its
// values: at tabs when it has any (a spreadsheet's empty cell stays an
// empty value, blanks around a value are dropped), else at semicolons
// likewise, else at runs of white space. A comma never separates: some
// write it as the decimal mark.
[[nodiscard]] QStringList splitCellLine(QStringView line);

}  // namespace rowsweep::steps
