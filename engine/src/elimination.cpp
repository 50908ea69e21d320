#include "rowsweep/engine/elimination.h"

#include "rowsweep/engine/cell_text.h"

namespace rowsweep {

namespace {

constexpr GridId kSnapshots[] = {GridId::Step1, GridId::Step2, GridId::Step3,
                                 GridId::Step4, GridId::Step5, GridId::Answer};

constexpr GridId kClearOrder[kGridCount] = {GridId::Input, GridId::Result, GridId::Step1,
                                            GridId::Step2, GridId::Step3,  GridId::Step4,
                                            GridId::Step5, GridId::Answer};

constexpr int kLastColumn = kColumns - 1;

// A cell that cannot be reached is skipped; the reduction goes on.
void writeCell(GridBoard& board, GridId id, int row, int column, std::string_view text) noexcept
{
    try {
        board.grid(id).setCellText(row, column, text);
    } catch (...) {
    }
}

// The number in a cell, or nothing when the text is not a number or the
// cell cannot be reached.
std::optional<double> readCell(GridBoard& board, GridId id, int row, int column) noexcept
{
    try {
        return parseCellText(board.grid(id).cellText(row, column));
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace

SolveOutcome Elimination::solve(GridBoard& board)
{
    zeroFill();
    readInput(board);
    firstPivot();
    publish(board, kSnapshots[0]);
    clearBelowFirstPivot(1);
    publish(board, kSnapshots[1]);
    clearBelowFirstPivot(2);
    publish(board, kSnapshots[2]);
    clearAboveSecondPivot();
    publish(board, kSnapshots[3]);
    secondPivot();
    publish(board, kSnapshots[4]);
    clearBelowSecondPivot();
    publish(board, kSnapshots[5]);
    publish(board, GridId::Result);
    return checkThirdResultRow(board);
}

void Elimination::clear(GridBoard& board)
{
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        for (const GridId id : kClearOrder) {
            for (int row = 0; row < kRows; ++row)
                writeCell(board, id, row, index_, {});
        }
    }
}

void Elimination::zeroFill()
{
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        for (auto& row : working_)
            row[index_] = 0.0;
    }
}

void Elimination::readInput(GridBoard& board)
{
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        for (int row = 0; row < kRows; ++row) {
            if (const auto value = readCell(board, GridId::Input, row, index_))
                working_[row][index_] = *value;
        }
    }
}

// Brings a non-zero entry to the top of column 0, by exchanging row 0 with
// the first of rows 1 and 2 that has one, and scales row 0 to a leading 1.
// The row that moves down keeps its scale.
void Elimination::firstPivot()
{
    auto& a = working_;
    auto& s = saved_;
    for (const int other : {1, 2}) {
        if (isZero(a[0][0]) && !isZero(a[other][0])) {
            pivot_ = a[other][0];
            for (index_ = 0; index_ <= kLastColumn; ++index_) {
                s[0][index_] = a[0][index_];
                a[0][index_] = a[other][index_] / pivot_;
                a[other][index_] = s[0][index_];
            }
        }
    }
    if (!isZero(a[0][0])) {
        pivot_ = a[0][0];
        for (index_ = 0; index_ <= kLastColumn; ++index_)
            a[0][index_] = a[0][index_] / pivot_;
    }
}

void Elimination::clearBelowFirstPivot(int row)
{
    auto& a = working_;
    auto& s = saved_;
    if (isZero(a[row][0]))
        return;
    pivot_ = a[row][0];
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        s[row][index_] = a[row][index_];
        const double product = a[0][index_] * pivot_;
        a[row][index_] = s[row][index_] - product;
    }
}

// Clears column 1 of row 0 with row 2 first, then, if anything is left,
// with row 1.
void Elimination::clearAboveSecondPivot()
{
    auto& a = working_;
    auto& s = saved_;
    if (!isZero(a[0][1]) && !isZero(a[2][1])) {
        pivot_ = a[0][1] / a[2][1];
        for (index_ = 0; index_ <= kLastColumn; ++index_) {
            s[0][index_] = a[0][index_];
            const double product = a[2][index_] * pivot_;
            a[0][index_] = s[0][index_] - product;
        }
    }
    if (!isZero(a[0][1]) && !isZero(a[1][1])) {
        pivot_ = a[0][1] / a[1][1];
        for (index_ = 0; index_ <= kLastColumn; ++index_) {
            s[1][index_] = a[1][index_];
            const double product = s[1][index_] * pivot_;
            a[0][index_] = a[0][index_] - product;
        }
    }
}

// Scales row 1 to a leading 1 in column 1; when row 1 has nothing there,
// adds row 2 scaled to a 1 instead of exchanging the rows.
void Elimination::secondPivot()
{
    auto& a = working_;
    auto& s = saved_;
    if (!isZero(a[1][1])) {
        pivot_ = a[1][1];
        for (index_ = 0; index_ <= kLastColumn; ++index_)
            a[1][index_] = a[1][index_] / pivot_;
    }
    if (isZero(a[1][1]) && !isZero(a[2][1])) {
        pivot_ = a[2][1];
        for (index_ = 0; index_ <= kLastColumn; ++index_) {
            s[1][index_] = a[1][index_];
            const double quotient = a[2][index_] / pivot_;
            a[1][index_] = quotient + s[1][index_];
        }
    }
}

// Column 0 of row 2 is left as stage 3 left it, whatever the factor.
void Elimination::clearBelowSecondPivot()
{
    auto& a = working_;
    auto& s = saved_;
    if (isZero(a[2][1]))
        return;
    pivot_ = a[2][1];
    for (index_ = 1; index_ <= kLastColumn; ++index_) {
        s[2][index_] = a[2][index_];
        const double product = a[1][index_] * pivot_;
        a[2][index_] = s[2][index_] - product;
    }
}

void Elimination::publish(GridBoard& board, GridId id)
{
    CellTextBuffer buffer;
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        for (int row = 0; row < kRows; ++row)
            writeCell(board, id, row, index_, formatCellText(working_[row][index_], buffer));
    }
}

// Judged on the texts shown, not on the matrix: whatever the user sees in
// the third result row decides. A cell that cannot be read back warns.
SolveOutcome Elimination::checkThirdResultRow(GridBoard& board)
{
    bool notZero = false;
    for (index_ = 0; index_ <= kLastColumn; ++index_) {
        const auto value = readCell(board, GridId::Result, kRows - 1, index_);
        if (!value || !isZero(*value))
            notZero = true;
    }
    return notZero ? SolveOutcome::ThirdRowNotZero : SolveOutcome::ThirdRowZero;
}

}  // namespace rowsweep
