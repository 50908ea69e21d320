#pragma once

#include <array>

#include "ui_fixture.h"
#include "cell_texts.h"
#include "worked_examples.h"
#include "rowsweep/ui/object_names.h"

namespace rowsweep::ui::testing {

using RowNames = names::GridRows;

using names::kInputRows;
using names::kResultRows;
// The Solving window's grids, Step 1 to Answer.
inline constexpr auto& kSnapshotRows = names::kStageRows;

using rowsweep::testing::kColumnZero;
using rowsweep::testing::kSampleInput;
using rowsweep::testing::kSampleStep4;
using rowsweep::testing::kWorkedExamples;
using rowsweep::testing::Rows;
using rowsweep::testing::WorkedExample;

inline GridTexts texts(const Rows& rows)
{
    return rowsweep::testing::cellTexts(rows);
}

inline GridTexts uniform(const char* text)
{
    GridTexts result;
    for (auto& row : result)
        row.fill(QString::fromLatin1(text));
    return result;
}

}  // namespace rowsweep::ui::testing
