// Runs the whole reduction over eighteen arbitrary cell texts, one per line.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "cell_lines.h"
#include "fuzz_check.h"
#include "replay.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/reduction.h"

namespace {

using rowsweep::kRows;
using rowsweep::Matrix;

bool isNonFiniteText(std::string_view text)
{
    return text == "Infinity" || text == "-Infinity" || text == "NaN";
}

bool sameBits(const Matrix& a, const Matrix& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string written(double value)
{
    return rowsweep::writtenText(rowsweep::writtenNumber(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Matrix input = readCellLines<double>({reinterpret_cast<const char*>(data), size}, rowsweep::parseCellText);
    const rowsweep::Reduction reduction = rowsweep::reduce(input);

    Matrix before = input;
    for (const rowsweep::Stage& stage : reduction.stages) {
        // Every value written reads back, or is one of the texts that mark
        // an infinity or NaN.
        for (const auto& row : stage.matrix)
            for (const double value : row) {
                const std::string text = written(value);
                ROWSWEEP_FUZZ_REQUIRE(rowsweep::parseCellText(text).has_value() || isNonFiniteText(text));
            }
        // What the stage says it ran is what it did.
        ROWSWEEP_FUZZ_REQUIRE(sameBits(rowsweep::testing::replay(before, stage.operations), stage.matrix));
        before = stage.matrix;
    }
    // The last stage leaves column 0 of row 2 as it found it.
    ROWSWEEP_FUZZ_REQUIRE(std::memcmp(&reduction.stages[4].matrix[2][0], &reduction.answer()[2][0], sizeof(double)) == 0);

    // The warning follows the third row as the user reads it.
    bool thirdRowZero = true;
    for (const double value : reduction.answer()[kRows - 1]) {
        const auto readBack = rowsweep::parseCellText(written(value));
        thirdRowZero = thirdRowZero && readBack && rowsweep::isZero(*readBack);
    }
    ROWSWEEP_FUZZ_REQUIRE(reduction.thirdRowNotZero == !thirdRowZero);
    return 0;
}
