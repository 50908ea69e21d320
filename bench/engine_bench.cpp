// How long one "Solve" takes without windows: the 18 input texts read, the
// reduction, and the 126 texts written (six stages and the result), against
// the floor of the text conversions alone that a Solve cannot avoid. The
// same in exact fractions, for everyday cells and for 18 cells as long as a
// cell can hold, whose memory is measured too.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_reduction.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/sample_matrix.h"
#include "rowsweep/engine/verdict.h"
#include "verdict.h"

namespace {

using rowsweep::kColumns;
using rowsweep::kRows;
using TextMatrix = std::array<std::array<std::string, kColumns>, kRows>;

TextMatrix sampleInput()
{
    TextMatrix texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = rowsweep::kSampleMatrix[row][column];
    return texts;
}

// Thirds and sevenths: every stage holds values that need the full 15
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

// The cells a Solve writes: six stage grids and the result grid.
using WrittenCells = std::array<std::array<std::array<std::string, kColumns>, kRows>, rowsweep::kStageCount + 1>;

rowsweep::Matrix readInput(const TextMatrix& texts)
{
    rowsweep::Matrix matrix{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = rowsweep::parseCellText(texts[row][column]).value_or(0.0);
    return matrix;
}

bool solve(const TextMatrix& input, WrittenCells& cells)
{
    const rowsweep::Reduction reduction = rowsweep::reduce(readInput(input));
    rowsweep::CellTextBuffer buffer;
    for (std::size_t grid = 0; grid < cells.size(); ++grid) {
        const rowsweep::Matrix& matrix = reduction.stages[std::min(grid, rowsweep::kStageCount - 1)].matrix;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                cells[grid][row][column].assign(rowsweep::formatCellText(matrix[row][column], buffer));
    }
    return reduction.thirdRowNotZero;
}

void solveOnMemoryGrids(benchmark::State& state, const std::string& name)
{
    const TextMatrix& input = inputs().at(name);
    WrittenCells cells;
    solve(input, cells);  // warm the cell texts' capacity
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(input, cells));
}

// The floor: the same 144 conversions, of the same texts and values, and
// six more for reading the third result row back as a user would.
void conversionsAlone(benchmark::State& state, const std::string& name)
{
    const TextMatrix& input = inputs().at(name);
    const rowsweep::Reduction reduction = rowsweep::reduce(readInput(input));
    std::vector<double> written;
    for (std::size_t grid = 0; grid <= rowsweep::kStageCount; ++grid)
        for (const auto& row : reduction.stages[std::min(grid, rowsweep::kStageCount - 1)].matrix)
            written.insert(written.end(), row.begin(), row.end());
    WrittenCells check;
    solve(input, check);
    std::vector<std::string> readBack(check.back()[kRows - 1].begin(), check.back()[kRows - 1].end());

    rowsweep::CellTextBuffer buffer;
    std::string target;
    for (auto _ : state) {
        for (const auto& row : input)
            for (const std::string& text : row)
                benchmark::DoNotOptimize(rowsweep::parseCellText(text));
        for (const double value : written) {
            target.assign(rowsweep::formatCellText(value, buffer));
            benchmark::DoNotOptimize(target.data());
        }
        for (const std::string& text : readBack)
            benchmark::DoNotOptimize(rowsweep::parseCellText(text));
    }
}

// Deciding the sample in exact fractions, for the verdict under the result.
void decideSample(benchmark::State& state)
{
    rowsweep::ExactMatrix input;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            input[row][column] = mpq_class(std::string(rowsweep::kSampleMatrix[row][column]));
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsweep::decideSystem(input));
}

// After every Solve: from the sample's exact Answer on to its reduced form,
// and the verdict read from it.
void reducedFormOfSample(benchmark::State& state)
{
    rowsweep::ExactMatrix input;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            input[row][column] = mpq_class(std::string(rowsweep::kSampleMatrix[row][column]));
    const rowsweep::ExactMatrix answer = rowsweep::reduce(input).answer();
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsweep::readVerdict(rowsweep::continueToReducedForm(answer)));
}

// What GMP holds at most while a Solve runs, through allocation functions
// that count its bytes.
class GmpMemory {
public:
    static void install() { mp_set_memory_functions(allocate, reallocate, release); }
    static void startPeak() { peak_ = live_; }
    [[nodiscard]] static std::size_t live() { return live_; }
    [[nodiscard]] static std::size_t peak() { return peak_; }

private:
    static void grow(std::size_t bytes)
    {
        live_ += bytes;
        peak_ = std::max(peak_, live_);
    }
    static void* allocate(std::size_t bytes)
    {
        grow(bytes);
        return orAbort(std::malloc(bytes));
    }
    static void* reallocate(void* block, std::size_t oldBytes, std::size_t newBytes)
    {
        live_ -= oldBytes;
        grow(newBytes);
        return orAbort(std::realloc(block, newBytes));
    }
    // GMP cannot go on without the memory, as with its own functions.
    static void* orAbort(void* block)
    {
        if (block == nullptr)
            std::abort();
        return block;
    }
    static void release(void* block, std::size_t bytes)
    {
        live_ -= bytes;
        std::free(block);
    }

    static inline std::size_t live_ = 0;
    static inline std::size_t peak_ = 0;
};

rowsweep::ExactMatrix readExactInput(const TextMatrix& texts)
{
    rowsweep::ExactMatrix matrix;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (auto value = rowsweep::parseExactCellText(texts[row][column], true))
                swap(matrix[row][column], *value);  // a GMP fraction moves by a swap alone
    return matrix;
}

template<class Number>
bool writeStages(const rowsweep::BasicReduction<Number>& reduction, WrittenCells& cells)
{
    for (std::size_t grid = 0; grid < cells.size(); ++grid) {
        const rowsweep::BasicMatrix<Number>& matrix = reduction.stages[std::min(grid, rowsweep::kStageCount - 1)].matrix;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                cells[grid][row][column] = rowsweep::formatExactCellText(matrix[row][column]);
    }
    return reduction.thirdRowNotZero;
}

// As a Solve hands the stages on: in machine words where they fit.
bool solveExactly(const TextMatrix& texts, WrittenCells& cells)
{
    const rowsweep::ExactMatrix input = readExactInput(texts);
    if (const auto small = rowsweep::inMachineWords(input))
        if (const auto reduction = rowsweep::reduceInMachineWords(*small))
            return writeStages(*reduction, cells);
    return writeStages(rowsweep::reduce(input), cells);
}

// The longest text a cell takes, 32,767 characters: a decimal with every
// digit after the point significant, different in every cell, so that the
// fractions grow as long as the stages can make them.
TextMatrix longestCells()
{
    constexpr std::size_t kCellLength = 32767;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> digit(0, 9);
    TextMatrix texts;
    for (auto& row : texts)
        for (std::string& text : row) {
            text = {static_cast<char>('1' + digit(random) % 9), '.'};
            while (text.size() < kCellLength)
                text += static_cast<char>('0' + digit(random));
        }
    return texts;
}

void exactSolveOnMemoryGrids(benchmark::State& state, const TextMatrix& input)
{
    WrittenCells cells;
    solveExactly(input, cells);  // warm the cell texts' capacity
    const std::size_t before = GmpMemory::live();
    GmpMemory::startPeak();
    for (auto _ : state)
        benchmark::DoNotOptimize(solveExactly(input, cells));
    state.counters["gmp_peak_MiB"] = static_cast<double>(GmpMemory::peak() - before) / (1024.0 * 1024.0);
}

// The engine's part of an exact Solve: the six stages on fractions already
// read, as a computer-algebra rref would be timed; in machine words where
// they fit, as a Solve runs them.
bool reduceAsASolveDoes(const rowsweep::ExactMatrix& input)
{
    if (const auto small = rowsweep::inMachineWords(input))
        if (const auto reduction = rowsweep::reduceInMachineWords(*small))
            return reduction->thirdRowNotZero;
    return rowsweep::reduce(input).thirdRowNotZero;
}

void exactReduction(benchmark::State& state, const TextMatrix& texts)
{
    const rowsweep::ExactMatrix input = readExactInput(texts);
    for (auto _ : state)
        benchmark::DoNotOptimize(reduceAsASolveDoes(input));
}

constexpr double kMaxRatioToFloor = 1.5;
constexpr double kMaxDecideNanoseconds = 10000.0;
constexpr double kMaxSolveNanoseconds = 8000.0;
constexpr double kMaxExactSolveNanoseconds = 10000.0;
constexpr double kMaxLongestExactSolveMilliseconds = 1000.0;
constexpr double kMaxLongestExactSolveMiB = 32.0;

}  // namespace

int main(int argc, char** argv)
{
    GmpMemory::install();
    for (const auto& [name, input] : inputs()) {
        benchmark::RegisterBenchmark(("Solve/" + name).c_str(), solveOnMemoryGrids, name);
        benchmark::RegisterBenchmark(("Conversions/" + name).c_str(), conversionsAlone, name);
        benchmark::RegisterBenchmark(("ExactSolve/" + name).c_str(), exactSolveOnMemoryGrids, input);
        benchmark::RegisterBenchmark(("ExactReduction/" + name).c_str(), exactReduction, input);
    }
    benchmark::RegisterBenchmark("DecideSystem/sample", decideSample);
    benchmark::RegisterBenchmark("ReducedFormAndVerdict/sample", reducedFormOfSample);
    static const TextMatrix longestInput = longestCells();
    benchmark::RegisterBenchmark("ExactSolve/longest_cells", exactSolveOnMemoryGrids, longestInput)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(3);
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
        if (const double* decide = medians.time("DecideSystem/sample"))
            met &= rowsweep::bench::report("sample: decide the system", *decide / 1000.0,
                                           kMaxDecideNanoseconds / 1000.0, "us");
        if (const double* reduced = medians.time("ReducedFormAndVerdict/sample"))
            met &= rowsweep::bench::report("sample: reduced form and verdict", *reduced / 1000.0,
                                           kMaxDecideNanoseconds / 1000.0, "us");
        for (const auto& [name, input] : inputs()) {
            if (const double* engine = medians.time("ExactReduction/" + name))
                met &= rowsweep::bench::report(name + ": exact reduction", *engine / 1000.0,
                                               kMaxExactSolveNanoseconds / 1000.0, "us");
            if (const double* exact = medians.time("ExactSolve/" + name))
                met &= rowsweep::bench::report(name + ": exact Solve", *exact / 1000.0,
                                               kMaxExactSolveNanoseconds / 1000.0, "us");
        }
        if (const double* longest = medians.time("ExactSolve/longest_cells")) {
            met &= rowsweep::bench::report("longest cells: exact Solve", *longest / 1e6,
                                           kMaxLongestExactSolveMilliseconds, "ms");
            met &= rowsweep::bench::report("longest cells: exact Solve, GMP memory at most",
                                           medians.counters.at("ExactSolve/longest_cells").at("gmp_peak_MiB"),
                                           kMaxLongestExactSolveMiB, "MiB");
        }
        return met;
    });
}
