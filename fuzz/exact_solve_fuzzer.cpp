// Runs the exact reduction over eighteen arbitrary cell texts, one per
// line; cells read as fractions too.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "cell_lines.h"
#include "fuzz_check.h"
#include "replay.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/written_exact.h"

namespace {

using rowsweep::ExactMatrix;
using rowsweep::kRows;

bool changesNothing(const rowsweep::ExactStageOperations& operations)
{
    return std::all_of(operations.begin(), operations.end(), [](const rowsweep::ExactRowOperation& op) {
        return op.kind == rowsweep::RowOperationKind::Divide && op.factor == 1;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ExactMatrix input = readCellLines<rowsweep::Rational>(
        {reinterpret_cast<const char*>(data), size},
        [](std::string_view text) { return rowsweep::parseExactCellText(text, true); });
    const rowsweep::ExactReduction reduction = rowsweep::reduce(input);

    ExactMatrix before = input;
    for (const rowsweep::ExactStage& stage : reduction.stages) {
        // What the stage says it ran is what it did, and it gives a reason
        // exactly when that changed nothing.
        ROWSWEEP_FUZZ_REQUIRE(rowsweep::testing::replay(before, stage.operations) == stage.matrix);
        ROWSWEEP_FUZZ_REQUIRE(stage.noChange.has_value() == changesNothing(stage.operations));
        if (stage.noChange)
            ROWSWEEP_FUZZ_REQUIRE(stage.matrix == before);
        // Every value is written in a form the cells can show.
        for (const auto& row : stage.matrix)
            for (const rowsweep::Rational& value : row)
                ROWSWEEP_FUZZ_REQUIRE(!rowsweep::writtenText(rowsweep::writtenNumber(value)).empty());
        before = stage.matrix;
    }
    // The last stage leaves column 0 of row 2 as it found it.
    ROWSWEEP_FUZZ_REQUIRE(reduction.stages[4].matrix[2][0] == reduction.answer()[2][0]);

    // The warning follows the exact third row.
    const auto& thirdRow = reduction.answer()[kRows - 1];
    const bool thirdRowZero = std::all_of(thirdRow.begin(), thirdRow.end(), [](const rowsweep::Rational& v) { return v.isZero(); });
    ROWSWEEP_FUZZ_REQUIRE(reduction.thirdRowNotZero == !thirdRowZero);
    return 0;
}
