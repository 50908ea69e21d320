// Runs the whole reduction over eighteen arbitrary cell texts.
//
// The input is the texts of the input grid, one per line, row by row
// (six cells of the first row, then the second, then the third). Missing
// lines are empty cells; lines after the eighteenth are ignored.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "memory_board.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/elimination.h"

namespace {

using rowsweep::Elimination;
using rowsweep::GridId;
using rowsweep::kColumns;
using rowsweep::kRows;
using rowsweep::SolveOutcome;
using rowsweep::testing::MemoryBoard;
using rowsweep::testing::TextMatrix;

constexpr GridId kPublished[] = {GridId::Step1, GridId::Step2, GridId::Step3, GridId::Step4,
                                 GridId::Step5, GridId::Answer, GridId::Result};

TextMatrix splitIntoCells(std::string_view input)
{
    TextMatrix cells;
    for (auto& row : cells) {
        for (auto& cell : row) {
            const auto end = input.find('\n');
            cell.assign(input.substr(0, end));
            input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        }
    }
    return cells;
}

bool isNonFiniteText(std::string_view text)
{
    return text == "Infinity" || text == "-Infinity" || text == "NaN";
}

bool isZeroText(std::string_view text)
{
    const auto value = rowsweep::parseCellText(text);
    return value && rowsweep::isZero(*value);
}

struct Run {
    SolveOutcome outcome;
    MemoryBoard board;
};

void checkRun(const Run& run, const TextMatrix& input)
{
    ROWSWEEP_FUZZ_REQUIRE(run.board.cells(GridId::Input) == input);
    for (const GridId id : kPublished) {
        for (const auto& row : run.board.cells(id)) {
            for (const auto& text : row)
                ROWSWEEP_FUZZ_REQUIRE(rowsweep::parseCellText(text).has_value() || isNonFiniteText(text));
        }
    }
    ROWSWEEP_FUZZ_REQUIRE(run.board.cells(GridId::Answer) == run.board.cells(GridId::Result));

    bool thirdRowZero = true;
    for (const auto& text : run.board.cells(GridId::Result)[kRows - 1])
        thirdRowZero = thirdRowZero && isZeroText(text);
    ROWSWEEP_FUZZ_REQUIRE((run.outcome == SolveOutcome::ThirdRowNotZero) == !thirdRowZero);
}

bool samePublished(const MemoryBoard& a, const MemoryBoard& b)
{
    for (const GridId id : kPublished) {
        if (a.cells(id) != b.cells(id))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TextMatrix input = splitIntoCells({reinterpret_cast<const char*>(data), size});

    Elimination elimination;
    Run first{{}, {}};
    first.board.fill(GridId::Input, input);
    first.outcome = elimination.solve(first.board);
    checkRun(first, input);
    ROWSWEEP_FUZZ_REQUIRE(elimination.sharedIndex() == kColumns);

    // A second click on the same window starts afresh.
    Run again{{}, first.board};
    again.outcome = elimination.solve(again.board);
    ROWSWEEP_FUZZ_REQUIRE(again.outcome == first.outcome);
    ROWSWEEP_FUZZ_REQUIRE(samePublished(again.board, first.board));

    // A cell that does not read as a number counts as a typed 0.
    TextMatrix zeroed = input;
    for (auto& row : zeroed) {
        for (auto& text : row) {
            if (!rowsweep::parseCellText(text))
                text = "0";
        }
    }
    Elimination fresh;
    Run typedZeros{{}, {}};
    typedZeros.board.fill(GridId::Input, zeroed);
    typedZeros.outcome = fresh.solve(typedZeros.board);
    ROWSWEEP_FUZZ_REQUIRE(typedZeros.outcome == first.outcome);
    ROWSWEEP_FUZZ_REQUIRE(samePublished(typedZeros.board, first.board));
    return 0;
}
