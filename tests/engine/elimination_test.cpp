#include "rowsweep/engine/elimination.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "memory_board.h"
#include "worked_examples.h"
#include "rowsweep/engine/sample_matrix.h"

namespace rowsweep {
namespace {

using testing::MemoryBoard;
using testing::TextMatrix;

constexpr GridId kSnapshots[] = {GridId::Step1, GridId::Step2, GridId::Step3,
                                 GridId::Step4, GridId::Step5, GridId::Answer};

const char* gridName(GridId id)
{
    static const char* const names[] = {"Input", "Result", "Step 1", "Step 2", "Step 3", "Step 4", "Step 5", "Answer"};
    return names[static_cast<int>(id)];
}

TextMatrix sampleTexts()
{
    TextMatrix texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = kSampleMatrix[row][column];
    return texts;
}

const TextMatrix kZeros{{{"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}}};

TextMatrix textMatrix(const testing::Rows& rows)
{
    TextMatrix texts;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            texts[row][column] = rows[row][column];
    return texts;
}

SolveOutcome outcomeOf(const testing::WorkedExample& example)
{
    return example.warns ? SolveOutcome::ThirdRowNotZero : SolveOutcome::ThirdRowZero;
}

void expectGrid(const MemoryBoard& board, GridId id, const TextMatrix& expected, const char* example)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            EXPECT_EQ(board.cells(id)[row][column], expected[row][column])
                << example << ", " << gridName(id) << ", row " << row << ", column " << column;
}

TEST(Solve, WorkedExamplesGiveEverySnapshot)
{
    for (const auto& example : testing::kWorkedExamples) {
        MemoryBoard board;
        board.fill(GridId::Input, textMatrix(example.input));
        Elimination elimination;

        EXPECT_EQ(elimination.solve(board), outcomeOf(example)) << example.name;

        for (std::size_t step = 0; step < std::size(kSnapshots); ++step)
            expectGrid(board, kSnapshots[step], textMatrix(example.snapshots[step]), example.name);
        expectGrid(board, GridId::Result, textMatrix(example.snapshots.back()), example.name);
        expectGrid(board, GridId::Input, textMatrix(example.input), example.name);
        EXPECT_EQ(elimination.sharedIndex(), 6) << example.name;
    }
}

TEST(Solve, ResidueInThirdRowWarns)
{
    // Each third row cancels in exact arithmetic; in double arithmetic
    // column 5 keeps a residue, which is shown and warned about without
    // tolerance.
    struct Residue {
        const char* name;
        TextMatrix input;
        const char* left;
    };
    const Residue residues[] = {
        {"tenths",
         {{{"1", "0", "0", "0", "0", "0.1"}, {"0", "1", "0", "0", "0", "0.2"}, {"1", "1", "0", "0", "0", "0.3"}}},
         "-2.77555756156289e-17"},
        {"sevenths",
         {{{"7", "0", "0", "0", "0", "9"}, {"0", "1", "0", "0", "0", "0"}, {"21", "0", "0", "0", "0", "27"}}},
         "-3.5527136788005e-15"},
    };
    for (const auto& [name, input, left] : residues) {
        MemoryBoard board;
        board.fill(GridId::Input, input);
        Elimination elimination;

        EXPECT_EQ(elimination.solve(board), SolveOutcome::ThirdRowNotZero) << name;
        const auto& thirdRow = board.cells(GridId::Result)[2];
        for (int column = 0; column < kColumns - 1; ++column)
            EXPECT_EQ(thirdRow[column], "0") << name << ", column " << column;
        EXPECT_EQ(thirdRow[5], left) << name;
    }
}

TEST(Solve, InfiniteFactorLeavesColumnZeroOfRowTwo)
{
    // Stage 3 overflows column 1 of row 2 to infinity; stage 6 then scales
    // by that infinity but must not touch column 0, which stays 0 rather
    // than turning into 0 * infinity = NaN.
    MemoryBoard board;
    board.fill(GridId::Input, {{{"1", "-1e308", "0", "0", "0", "0"},
                                {"0", "1", "0", "0", "0", "0"},
                                {"2", "1e308", "0", "0", "0", "0"}}});
    Elimination elimination;

    EXPECT_EQ(elimination.solve(board), SolveOutcome::ThirdRowNotZero);
    EXPECT_EQ(board.cells(GridId::Step3)[2][1], "Infinity");
    const TextMatrix answer{{{"1", "NaN", "0", "0", "0", "0"},
                             {"0", "1", "0", "0", "0", "0"},
                             {"0", "NaN", "NaN", "NaN", "NaN", "NaN"}}};
    expectGrid(board, GridId::Answer, answer, "infinite factor");
    expectGrid(board, GridId::Result, answer, "infinite factor");
}

TEST(Solve, NaNCountsAsZeroInLaterTests)
{
    // Column 1 of row 0 becomes NaN in stage 4 (-1e308 - infinity * -0);
    // as zero, it keeps the second clearing of stage 4 from running even
    // though row 1 has a 1 in column 1, so row 1 is not altered there.
    MemoryBoard board;
    board.fill(GridId::Input, {{{"1", "-1e308", "0", "0", "0", "0"},
                                {"0", "1", "0", "0", "0", "7"},
                                {"2", "1e308", "0", "0", "0", "0"}}});
    Elimination elimination;
    elimination.solve(board);

    EXPECT_EQ(board.cells(GridId::Step4)[0][1], "NaN");
    EXPECT_EQ(board.cells(GridId::Step4)[0][5], "0");
}

TEST(Solve, UnreadableInputCellsCountAsZero)
{
    for (const char* text : {"", "abc", "-", "+", ".", "1,5", "Infinity", "NaN", "5abc"}) {
        MemoryBoard board;
        TextMatrix input = sampleTexts();
        input[0][0] = text;  // the sample with its first entry unreadable
        board.fill(GridId::Input, input);
        MemoryBoard reference;
        TextMatrix zeroed = sampleTexts();
        zeroed[0][0] = "0";
        reference.fill(GridId::Input, zeroed);

        Elimination elimination;
        Elimination referenceElimination;
        EXPECT_EQ(elimination.solve(board), referenceElimination.solve(reference)) << text;
        for (const GridId id : kSnapshots)
            EXPECT_EQ(board.cells(id), reference.cells(id)) << '"' << text << "\" in " << gridName(id);
    }
}

TEST(Solve, TwoRunsInARowAgree)
{
    for (const auto& example : testing::kWorkedExamples) {
        MemoryBoard board;
        board.fill(GridId::Input, textMatrix(example.input));
        Elimination elimination;
        const SolveOutcome first = elimination.solve(board);
        std::vector<TextMatrix> firstTexts;
        for (int id = 0; id < kGridCount; ++id)
            firstTexts.push_back(board.cells(static_cast<GridId>(id)));

        EXPECT_EQ(elimination.solve(board), first) << example.name;
        for (int id = 0; id < kGridCount; ++id)
            EXPECT_EQ(board.cells(static_cast<GridId>(id)), firstTexts[id]) << example.name << ", grid " << id;
    }
}

TEST(Solve, ANewRunForgetsTheLastMatrix)
{
    // After a run on the sample, an empty input must give all zeros: the
    // working matrix is zero-filled, not carried over.
    MemoryBoard board;
    board.fill(GridId::Input, sampleTexts());
    Elimination elimination;
    elimination.solve(board);
    board.fill(GridId::Input, TextMatrix{});

    EXPECT_EQ(elimination.solve(board), SolveOutcome::ThirdRowZero);
    for (const GridId id : kSnapshots)
        expectGrid(board, id, kZeros, "empty after sample");
}

// A board whose chosen cells, or whole grids, throw when reached.
class FailingBoard : public MemoryBoard {
public:
    struct Cell {
        GridId id;
        int row;
        int column;
        auto operator<=>(const Cell&) const = default;
    };

    std::set<Cell> failingReads;
    std::set<Cell> failingWrites;
    std::set<GridId> missingGrids;

    CellGrid& grid(GridId id) override
    {
        if (missingGrids.count(id))
            throw std::runtime_error("grid unavailable");
        wrapper_.board = this;
        wrapper_.id = id;
        wrapper_.inner = &MemoryBoard::grid(id);
        return wrapper_;
    }

private:
    struct Wrapper : CellGrid {
        FailingBoard* board = nullptr;
        GridId id{};
        CellGrid* inner = nullptr;

        std::string cellText(int row, int column) const override
        {
            if (board->failingReads.count({id, row, column}))
                throw std::runtime_error("unreadable cell");
            return inner->cellText(row, column);
        }
        void setCellText(int row, int column, std::string_view text) override
        {
            if (board->failingWrites.count({id, row, column}))
                throw std::runtime_error("unwritable cell");
            inner->setCellText(row, column, text);
        }
    } wrapper_;
};

TEST(Solve, FailingCellsAreSkippedAndTheRunGoesOn)
{
    FailingBoard board;
    board.fill(GridId::Input, sampleTexts());
    board.failingReads = {{GridId::Input, 0, 4}};                            // reads as 0
    board.failingWrites = {{GridId::Step2, 1, 2}, {GridId::Answer, 0, 0}};  // left as they were
    board.missingGrids = {GridId::Step3};
    Elimination elimination;

    // The sample with a 0 in row 0, column 4, which leaves -4 in the third
    // row; every other cell still goes through the whole reduction.
    EXPECT_EQ(elimination.solve(board), SolveOutcome::ThirdRowNotZero);
    expectGrid(board, GridId::Result,
               {{{"1", "0", "-17", "2", "-8", "-1"}, {"0", "1", "-10", "1", "0", "-1"}, {"0", "0", "0", "0", "-4", "0"}}},
               "failing cells");
    EXPECT_EQ(board.cells(GridId::Step2)[1][2], "");
    EXPECT_EQ(board.cells(GridId::Step2)[1][3], "1");
    EXPECT_EQ(board.cells(GridId::Answer)[0][0], "");
    EXPECT_EQ(board.cells(GridId::Answer)[0][1], "0");
    expectGrid(board, GridId::Step3, TextMatrix{}, "missing grid");
}

TEST(Solve, UnreadableResultCellWarns)
{
    FailingBoard board;
    board.fill(GridId::Input, sampleTexts());
    board.failingReads = {{GridId::Result, 2, 3}};
    Elimination elimination;

    EXPECT_EQ(elimination.solve(board), SolveOutcome::ThirdRowNotZero);
}

// Records the order in which cells are written.
class RecordingBoard : public MemoryBoard {
public:
    struct Write {
        GridId id;
        int row;
        int column;
        std::string text;
        bool operator==(const Write&) const = default;
    };
    std::vector<Write> writes;
    std::vector<GridId> gridRequests;

    CellGrid& grid(GridId id) override
    {
        gridRequests.push_back(id);
        recorder_.board = this;
        recorder_.id = id;
        return recorder_;
    }

private:
    struct Recorder : CellGrid {
        RecordingBoard* board = nullptr;
        GridId id{};
        std::string cellText(int row, int column) const override
        {
            return board->MemoryBoard::grid(id).cellText(row, column);
        }
        void setCellText(int row, int column, std::string_view text) override
        {
            board->writes.push_back({id, row, column, std::string(text)});
            board->MemoryBoard::grid(id).setCellText(row, column, text);
        }
    } recorder_;
};

TEST(Solve, PublishesColumnByColumnAndAsksForTheGridEveryTime)
{
    RecordingBoard board;
    Elimination elimination;
    elimination.solve(board);

    ASSERT_EQ(board.writes.size(), 7u * 18u);
    const GridId order[] = {GridId::Step1, GridId::Step2, GridId::Step3, GridId::Step4,
                            GridId::Step5, GridId::Answer, GridId::Result};
    std::size_t at = 0;
    for (const GridId id : order)
        for (int column = 0; column < kColumns; ++column)
            for (int row = 0; row < kRows; ++row, ++at)
                EXPECT_EQ(board.writes[at], (RecordingBoard::Write{id, row, column, "0"})) << at;
    // 18 reads, 126 writes and 6 read-backs: one grid request for each.
    EXPECT_EQ(board.gridRequests.size(), 150u);
}

TEST(Clear, EmptiesAllGridsColumnByColumnAndKeepsTheMatrix)
{
    RecordingBoard board;
    board.fill(GridId::Input, sampleTexts());
    Elimination elimination;
    elimination.solve(board);
    const Matrix before = elimination.working();
    board.writes.clear();

    elimination.clear(board);

    ASSERT_EQ(board.writes.size(), 144u);
    const GridId order[] = {GridId::Input, GridId::Result, GridId::Step1, GridId::Step2,
                            GridId::Step3, GridId::Step4,  GridId::Step5, GridId::Answer};
    std::size_t at = 0;
    for (int column = 0; column < kColumns; ++column)
        for (const GridId id : order)
            for (int row = 0; row < kRows; ++row, ++at)
                EXPECT_EQ(board.writes[at], (RecordingBoard::Write{id, row, column, ""})) << at;
    for (int id = 0; id < kGridCount; ++id)
        expectGrid(board, static_cast<GridId>(id), TextMatrix{}, "cleared");
    EXPECT_EQ(elimination.working(), before);
    EXPECT_EQ(elimination.sharedIndex(), 6);
}

}  // namespace
}  // namespace rowsweep
