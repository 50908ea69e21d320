// How long one "Solve" takes on in-memory grids, against the floor of the
// text conversions it cannot avoid: 18 reads, 126 writes and 6 read-backs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "memory_board.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/elimination.h"
#include "rowsweep/engine/sample_matrix.h"
#include "verdict.h"

namespace {

using rowsweep::GridId;
using rowsweep::kColumns;
using rowsweep::kRows;
using rowsweep::testing::MemoryBoard;
using rowsweep::testing::TextMatrix;

TextMatrix sampleInput()
{
    TextMatrix texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = rowsweep::kSampleMatrix[row][column];
    return texts;
}

// Thirds and sevenths: every snapshot holds values that need the full 15
// significant digits.
TextMatrix thirdsAndSevenths()
{
    return {{{"3", "7", "1", "2", "5", "1"}, {"7", "3", "2", "1", "4", "2"}, {"1", "21", "3", "7", "1", "3"}}};
}

const std::map<std::string, TextMatrix>& inputs()
{
    static const std::map<std::string, TextMatrix> all{{"sample", sampleInput()},
                                                      {"thirds_sevenths", thirdsAndSevenths()}};
    return all;
}

// Notes the working matrix whenever the reduction asks for a grid to
// publish into, which is exactly the matrix it is about to write there.
class WatchingBoard final : public MemoryBoard {
public:
    explicit WatchingBoard(const rowsweep::Elimination& elimination) : elimination_(elimination) {}

    rowsweep::CellGrid& grid(GridId id) override
    {
        if (id != GridId::Input)
            published[id] = elimination_.working();
        return MemoryBoard::grid(id);
    }

    std::map<GridId, rowsweep::Matrix> published;

private:
    const rowsweep::Elimination& elimination_;
};

// The conversions of one Solve, with the exact values it writes.
struct Conversions {
    std::vector<std::string> inputTexts;    // 18
    std::vector<double> publishedValues;    // 126
    std::vector<std::string> readBackTexts;  // 6
};

Conversions conversionsOf(const TextMatrix& input)
{
    rowsweep::Elimination elimination;
    WatchingBoard board(elimination);
    board.fill(GridId::Input, input);
    elimination.solve(board);

    Conversions conversions;
    for (int column = 0; column < kColumns; ++column)
        for (int row = 0; row < kRows; ++row)
            conversions.inputTexts.push_back(input[row][column]);
    const GridId published[] = {GridId::Step1, GridId::Step2,  GridId::Step3, GridId::Step4,
                                GridId::Step5, GridId::Answer, GridId::Result};
    rowsweep::CellTextBuffer buffer;
    for (const GridId id : published)
        for (int column = 0; column < kColumns; ++column)
            for (int row = 0; row < kRows; ++row) {
                const double value = board.published.at(id)[row][column];
                if (rowsweep::formatCellText(value, buffer) != board.cells(id)[row][column]) {
                    std::fprintf(stderr, "the floor would not write what Solve writes\n");
                    std::exit(2);
                }
                conversions.publishedValues.push_back(value);
            }
    for (int column = 0; column < kColumns; ++column)
        conversions.readBackTexts.push_back(board.cells(GridId::Result)[kRows - 1][column]);
    return conversions;
}

void solveOnMemoryGrids(benchmark::State& state, const std::string& name)
{
    MemoryBoard board;
    board.fill(GridId::Input, inputs().at(name));
    rowsweep::Elimination elimination;
    elimination.solve(board);  // warm the cell texts' capacity
    for (auto _ : state)
        benchmark::DoNotOptimize(elimination.solve(board));
}

void conversionsAlone(benchmark::State& state, const std::string& name)
{
    const Conversions conversions = conversionsOf(inputs().at(name));
    rowsweep::CellTextBuffer buffer;
    std::string target;
    for (auto _ : state) {
        for (const std::string& text : conversions.inputTexts)
            benchmark::DoNotOptimize(rowsweep::parseCellText(text));
        for (const double value : conversions.publishedValues) {
            target.assign(rowsweep::formatCellText(value, buffer));
            benchmark::DoNotOptimize(target.data());
        }
        for (const std::string& text : conversions.readBackTexts)
            benchmark::DoNotOptimize(rowsweep::parseCellText(text));
    }
}


constexpr double kMaxRatioToFloor = 1.5;
constexpr double kMaxSolveNanoseconds = 8000.0;

}  // namespace

int main(int argc, char** argv)
{
    for (const auto& [name, input] : inputs()) {
        benchmark::RegisterBenchmark(("Solve/" + name).c_str(), solveOnMemoryGrids, name);
        benchmark::RegisterBenchmark(("Conversions/" + name).c_str(), conversionsAlone, name);
    }
    return rowsweep::bench::runAndJudge(argc, argv, 9, [](const rowsweep::bench::Medians& medians) {
        bool met = true;
        for (const auto& [name, input] : inputs()) {
            const double* solve = medians.time("Solve/" + name);
            const double* floor = medians.time("Conversions/" + name);
            if (solve == nullptr || floor == nullptr)
                continue;  // filtered out
            std::printf("%s: Solve %.0f ns, conversions alone %.0f ns\n", name.c_str(), *solve, *floor);
            met &= rowsweep::bench::report(name + ": Solve / conversions alone", *solve / *floor, kMaxRatioToFloor, "x");
            met &= rowsweep::bench::report(name + ": Solve", *solve / 1000.0, kMaxSolveNanoseconds / 1000.0, "us");
        }
        return met;
    });
}
