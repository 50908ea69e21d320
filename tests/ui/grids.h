#pragma once

#include <array>

#include "ui_fixture.h"
#include "worked_examples.h"

namespace rowsweep::ui::testing {

using RowNames = std::array<const char*, kRows>;

inline constexpr RowNames kInputRows{"Text1", "Text2", "Text3"};
inline constexpr RowNames kResultRows{"Text4", "Text5", "Text6"};
// The Solving window's grids, Step 1 to Answer.
inline constexpr std::array<RowNames, 6> kSnapshotRows{{
    {"Text1", "Text2", "Text3"},
    {"Text21", "Text22", "Text23"},
    {"Text31", "Text32", "Text33"},
    {"Text41", "Text42", "Text43"},
    {"Text51", "Text52", "Text53"},
    {"Text61", "Text62", "Text63"},
}};

using rowsweep::testing::kColumnZero;
using rowsweep::testing::kSampleInput;
using rowsweep::testing::kSampleStep4;
using rowsweep::testing::kWorkedExamples;
using rowsweep::testing::Rows;
using rowsweep::testing::WorkedExample;

inline GridTexts texts(const Rows& rows)
{
    GridTexts result;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            result[row][column] = QString::fromLatin1(rows[row][column]);
    return result;
}

inline GridTexts uniform(const char* text)
{
    GridTexts result;
    for (auto& row : result)
        row.fill(QString::fromLatin1(text));
    return result;
}

}  // namespace rowsweep::ui::testing
