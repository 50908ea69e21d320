// How long one "Solve" takes below the windows, as the program runs it:
// steps::solveCells reads the 18 input texts and reduces them, the exact
// verdict and the reduced form included, and then the texts the windows
// show are written: the 126 cell texts of the six stages and the result,
// the stages' explanations and the verdict line with its solution. In
// floating point and in Exact Fractions, for the sample and for thirds and
// sevenths. Apart: the texts read, the six stages and the 126 cell texts
// written without the rest (the work earlier versions timed as a Solve),
// the engine's six stages on exact values already read,
// the way on to the reduced form with its verdict, and an exact Solve of 18
// cells as long as a cell can hold and one of 18 values of 100,000 digits,
// whose GMP memory is measured too. And the practice: a typed operation
// applied with its feedback, a hint, and a new exercise.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <type_traits>
#include <utility>

#include <gmp.h>

#include <QStringList>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/exercise.h"
#include "rowsweep/engine/operation_grammar.h"
#include "rowsweep/engine/progress.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/engine/reduction.h"
#include "rowsweep/engine/sample_matrix.h"
#include "rowsweep/engine/verdict.h"
#include "rowsweep/engine/written_exact.h"
#include "rowsweep/steps/practice_words.h"
#include "rowsweep/steps/solution_set.h"
#include "rowsweep/steps/solve.h"
#include "rowsweep/steps/stage_numbers.h"
#include "rowsweep/steps/stage_texts.h"
#include "verdict.h"

namespace {

using rowsweep::kColumns;
using rowsweep::kRows;
using rowsweep::kStageCount;
using rowsweep::steps::Arithmetic;
using rowsweep::steps::CellTexts;

CellTexts sampleInput()
{
    CellTexts texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = QString::fromLatin1(rowsweep::kSampleMatrix[row][column]);
    return texts;
}

// Thirds and sevenths: every stage holds values that need the full 15
// significant digits, or fractions.
CellTexts thirdsAndSevenths()
{
    return {{{"3", "7", "1", "2", "5", "1"}, {"7", "3", "2", "1", "4", "2"}, {"1", "21", "3", "7", "1", "3"}}};
}

const std::map<std::string, CellTexts>& inputs()
{
    static const std::map<std::string, CellTexts> all{{"sample", sampleInput()},
                                                     {"thirds_sevenths", thirdsAndSevenths()}};
    return all;
}

// What the windows show after a Solve: six stage grids and the result
// grid, the stages' explanations, the verdict line and its solution.
struct Shown {
    std::array<CellTexts, kStageCount + 1> grids;
    std::array<QString, kStageCount> explanations;
    QString verdict;
    QString solution;
};

bool solve(const CellTexts& input, Arithmetic arithmetic, Shown& shown)
{
    using namespace rowsweep::steps;
    const WorkedSolution solution = solveCells(input, arithmetic);
    for (std::size_t grid = 0; grid < shown.grids.size(); ++grid) {
        const auto& numbers = stageNumbers(solution, std::min(grid, kStageCount - 1));
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                shown.grids[grid][row][column] = QString::fromStdString(rowsweep::writtenText(numbers[row][column]));
    }
    for (std::size_t stage = 0; stage < kStageCount; ++stage)
        shown.explanations[stage] = explainStage(solution, stage).join(u'\n');
    shown.verdict = verdictLine(solution.verdict);
    shown.solution = solutionLines(solution.verdict).join(u'\n');
    return solution.warned;
}

void solveOnMemoryGrids(benchmark::State& state, const CellTexts& input, Arithmetic arithmetic)
{
    Shown shown;
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(input, arithmetic, shown));
}

rowsweep::ExactMatrix readExactly(const CellTexts& texts)
{
    rowsweep::ExactMatrix matrix;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            matrix[row][column] = rowsweep::parseExactCellText(texts[row][column].toStdString(), true).value_or(0);
    return matrix;
}

using StageCells = std::array<std::array<std::string, kColumns * kRows>, kStageCount + 1>;

// The part of a Solve every arithmetic shares and nothing can skip: the 18
// texts read, the six stages, the 126 cell texts written. Timed apart so
// that the number type is compared with earlier versions on the same work.
template<class Number>
bool readReduceWrite(const std::array<std::string, kColumns * kRows>& input, StageCells& cells)
{
    rowsweep::BasicMatrix<Number> matrix{};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const std::string& text = input[row * kColumns + column];
            if constexpr (std::is_same_v<Number, double>)
                matrix[row][column] = rowsweep::parseCellText(text).value_or(0.0);
            else
                matrix[row][column] = rowsweep::parseExactCellText(text, true).value_or(0);
        }
    const rowsweep::BasicReduction<Number> reduction = rowsweep::reduce(matrix);
    for (std::size_t grid = 0; grid < cells.size(); ++grid) {
        const auto& stage = reduction.stages[std::min(grid, kStageCount - 1)].matrix;
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                cells[grid][row * kColumns + column] = rowsweep::writtenText(rowsweep::writtenNumber(stage[row][column]));
    }
    return reduction.thirdRowNotZero;
}

template<class Number>
void stagesAlone(benchmark::State& state, const CellTexts& texts)
{
    std::array<std::string, kColumns * kRows> input;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            input[row * kColumns + column] = texts[row][column].toStdString();
    StageCells cells;
    for (auto _ : state)
        benchmark::DoNotOptimize(readReduceWrite<Number>(input, cells));
}

// The engine's part of an exact Solve: the six stages on fractions
// already read, as a computer-algebra rref would be timed.
void exactReduction(benchmark::State& state, const CellTexts& texts)
{
    const rowsweep::ExactMatrix input = readExactly(texts);
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsweep::reduce(input).thirdRowNotZero);
}

// After every Solve: from the sample's exact Answer on to its reduced form,
// and the verdict read from it.
void reducedFormOfSample(benchmark::State& state)
{
    const rowsweep::ExactMatrix answer = rowsweep::reduce(readExactly(sampleInput())).answer();
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsweep::readVerdict(rowsweep::continueToReducedForm(answer)));
}

// A typed line taken as the practice takes it: read, applied, its feedback,
// its place in the history and the progress written.
void practiceStep(benchmark::State& state)
{
    using namespace rowsweep;
    const ExactMatrix start = readExactly(sampleInput());
    for (auto _ : state) {
        ExactMatrix matrix = start;
        const auto read = readOperation("R2 -> R2 - 4R1");
        const auto& operation = std::get<PracticeOperation>(read);
        const Progress before = progressOf(matrix);
        applyOperation(operation, matrix);
        const Progress after = progressOf(matrix);
        const QString feedback = steps::stepFeedback(before, after);
        const QString history = steps::operationNotation(operation);
        const QString progress = steps::progressLine(after, {1, gaussJordanOperationCount(start)}, Verdict{});
        benchmark::DoNotOptimize(feedback.size() + history.size() + progress.size());
    }
}

void practiceHint(benchmark::State& state)
{
    const rowsweep::ExactMatrix start = readExactly(sampleInput());
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsweep::steps::hintLine(rowsweep::nextGaussJordanOperation(start)).size());
}

// A different number each time, of any kind.
void newExercise(benchmark::State& state)
{
    int number = rowsweep::kFirstExerciseNumber;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rowsweep::makeExercise(number, rowsweep::ExerciseKind::AnyKind).entries);
        number = number == rowsweep::kLastExerciseNumber ? rowsweep::kFirstExerciseNumber : number + 1;
    }
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

// The longest text a cell takes, 32,767 characters: a decimal with every
// digit after the point significant, different in every cell, so that the
// fractions grow as long as the stages can make them.
CellTexts longestCells()
{
    constexpr qsizetype kCellLength = 32767;
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> digit(0, 9);
    CellTexts texts;
    for (auto& row : texts)
        for (QString& text : row) {
            text = QString(QChar(u'1' + digit(random) % 9)) + u'.';
            while (text.size() < kCellLength)
                text += QChar(u'0' + digit(random));
        }
    return texts;
}

// Eighteen values of the most digits Exact Fractions reads.
CellTexts mostDigitsCells()
{
    CellTexts texts;
    for (auto& row : texts)
        row.fill(QStringLiteral("1e99999"));
    return texts;
}

void measuredExactSolve(benchmark::State& state, const CellTexts& input)
{
    Shown shown;
    const std::size_t before = GmpMemory::live();
    GmpMemory::startPeak();
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(input, Arithmetic::Exact, shown));
    state.counters["gmp_peak_MiB"] = static_cast<double>(GmpMemory::peak() - before) / (1024.0 * 1024.0);
}

constexpr double kMaxSolveMicroseconds = 40.0;
constexpr double kMaxEngineMicroseconds = 10.0;
constexpr double kMaxLongestExactSolveMilliseconds = 1000.0;
constexpr double kMaxLongestExactSolveMiB = 32.0;
constexpr double kMaxPracticeStepMicroseconds = 100.0;
constexpr double kMaxHintMicroseconds = 50.0;
constexpr double kMaxNewExerciseMicroseconds = 1000.0;
constexpr double kMaxMostDigitsExactSolveMilliseconds = 2000.0;
constexpr double kMaxMostDigitsExactSolveMiB = 200.0;

}  // namespace

int main(int argc, char** argv)
{
    GmpMemory::install();
    for (const auto& [name, input] : inputs()) {
        benchmark::RegisterBenchmark(("Solve/" + name).c_str(), solveOnMemoryGrids, input, Arithmetic::FloatingPoint);
        benchmark::RegisterBenchmark(("ExactSolve/" + name).c_str(), solveOnMemoryGrids, input, Arithmetic::Exact);
        benchmark::RegisterBenchmark(("ExactReduction/" + name).c_str(), exactReduction, input);
        benchmark::RegisterBenchmark(("Stages/" + name).c_str(), stagesAlone<double>, input);
        benchmark::RegisterBenchmark(("ExactStages/" + name).c_str(), stagesAlone<rowsweep::Rational>, input);
    }
    benchmark::RegisterBenchmark("ReducedFormAndVerdict/sample", reducedFormOfSample);
    benchmark::RegisterBenchmark("PracticeStep/sample", practiceStep);
    benchmark::RegisterBenchmark("PracticeHint/sample", practiceHint);
    benchmark::RegisterBenchmark("NewExercise/any_kind", newExercise);
    static const CellTexts longestInput = longestCells();
    static const CellTexts mostDigitsInput = mostDigitsCells();
    for (const auto& [name, input] : {std::pair{"longest_cells", &longestInput}, {"most_digits", &mostDigitsInput}})
        benchmark::RegisterBenchmark(("ExactSolve/" + std::string(name)).c_str(), measuredExactSolve, *input)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3);
    return rowsweep::bench::runAndJudge(argc, argv, 9, [](const rowsweep::bench::Medians& medians) {
        bool met = true;
        const auto judge = [&](const std::string& benchmark, const std::string& what, double limit) {
            if (const double* time = medians.time(benchmark))
                met &= rowsweep::bench::report(what, *time / 1000.0, limit, "us");
        };
        for (const auto& [name, input] : inputs()) {
            judge("Solve/" + name, name + ": Solve", kMaxSolveMicroseconds);
            judge("ExactSolve/" + name, name + ": exact Solve", kMaxSolveMicroseconds);
            judge("ExactReduction/" + name, name + ": exact reduction", kMaxEngineMicroseconds);
        }
        judge("ReducedFormAndVerdict/sample", "sample: reduced form and verdict", kMaxEngineMicroseconds);
        judge("PracticeStep/sample", "practice: an operation applied, with feedback", kMaxPracticeStepMicroseconds);
        judge("PracticeHint/sample", "practice: a hint", kMaxHintMicroseconds);
        judge("NewExercise/any_kind", "practice: a new exercise", kMaxNewExerciseMicroseconds);
        const auto judgeMeasured = [&](const std::string& name, const std::string& what, double milliseconds,
                                       double mebibytes) {
            const std::string benchmark = "ExactSolve/" + name;
            if (const double* time = medians.time(benchmark)) {
                met &= rowsweep::bench::report(what + ": exact Solve", *time / 1e6, milliseconds, "ms");
                met &= rowsweep::bench::report(what + ": exact Solve, GMP memory at most",
                                               medians.counters.at(benchmark).at("gmp_peak_MiB"), mebibytes, "MiB");
            }
        };
        judgeMeasured("longest_cells", "longest cells", kMaxLongestExactSolveMilliseconds, kMaxLongestExactSolveMiB);
        judgeMeasured("most_digits", "18 cells of 1e99999", kMaxMostDigitsExactSolveMilliseconds,
                      kMaxMostDigitsExactSolveMiB);
        return met;
    });
}
