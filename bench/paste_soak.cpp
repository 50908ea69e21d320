// Pasting and dropping as much as a cell takes, again and again: four runs
// of 100 rounds, each round writing a full cell into all 18 input cells,
// one way per run: a drop into each emptied cell, a block of 18 full cells
// pasted with Ctrl+V (after a smaller block, pasted, undone and redone),
// such a block dropped, and a Ctrl+V over each cell's whole text. Each is
// a step of the grid's undo history, which would grow without end if its
// way slipped past the history's bound. Fails when resident memory grew by
// 16 MiB or more over the four runs, or when one paste of 16 Mi characters
// of short values, far more than a grid holds, took 64 MiB or more at its
// peak: it is cut to what a grid holds before it is split.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "private_settings.h"
#include "rowsweep/engine/matrix.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/object_names.h"
#include "resident_memory.h"

namespace {

namespace names = rowsweep::ui::names;

constexpr int kRounds = 100;
constexpr long kMaxGrowthKiB = 16 * 1024;
constexpr long kMaxOversizedPastePeakKiB = 64 * 1024;
constexpr int kOversizedPasteValues = 8 * 1024 * 1024;
// A block of values smaller than a full cell's.
constexpr int kSmallValueLength = 400;

using rowsweep::bench::peakResidentKiB;
using rowsweep::bench::residentKiB;
using rowsweep::bench::settle;

// A 3 x 6 block, tab-separated as a spreadsheet copies it.
QString block(const QString& value)
{
    QStringList rows;
    for (int row = 0; row < rowsweep::kRows; ++row)
        rows << QStringList(rowsweep::kColumns, value).join(u'\t');
    return rows.join(u'\n');
}

void press(QWidget* widget, QKeySequence keys)
{
    const QKeyCombination combination = keys[0];
    QTest::keyClick(widget, combination.key(), combination.keyboardModifiers());
}

void paste(QLineEdit* cell, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    cell->setFocus();
    press(cell, QKeySequence::SelectAll);
    press(cell, QKeySequence::Paste);
}

// A drag from another program, entering the cell and dropped at its middle.
void drop(QLineEdit* cell, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPoint middle = cell->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &enter);
    QDropEvent dropped(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &dropped);
}

QString filled(const QLineEdit* cell, int digit)
{
    return QString(cell->maxLength(), QChar(u'0' + digit % 10));
}

// Each round writes different digits, so every write changes every cell.
using Round = void (*)(const std::vector<QLineEdit*>& cells, int round);

void dropRound(const std::vector<QLineEdit*>& cells, int round)
{
    for (QLineEdit* cell : cells) {
        cell->setFocus();
        press(cell, QKeySequence::SelectAll);
        QTest::keyClick(cell, Qt::Key_Backspace);
        drop(cell, filled(cell, round));
    }
}

void blockPasteRound(const std::vector<QLineEdit*>& cells, int round)
{
    QLineEdit* first = cells.front();
    paste(first, block(QString(kSmallValueLength, QChar(u'0' + (round + 1) % 10))));
    press(first, QKeySequence::Undo);
    press(first, QKeySequence::Redo);
    paste(first, block(filled(first, round)));
}

void blockDropRound(const std::vector<QLineEdit*>& cells, int round)
{
    drop(cells.front(), block(filled(cells.front(), round)));
}

void pasteRound(const std::vector<QLineEdit*>& cells, int round)
{
    for (QLineEdit* cell : cells)
        paste(cell, filled(cell, round));
}

// What one paste of "1 1 1 ..." far beyond a grid takes at its peak,
// beyond the memory resident before it.
long oversizedPastePeakKiB(QLineEdit* cell)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("1 ").repeated(kOversizedPasteValues));
    settle();
    const long before = residentKiB();
    cell->setFocus();
    press(cell, QKeySequence::Paste);
    settle();
    return peakResidentKiB() - before;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const rowsweep::bench::PrivateSettings settings;

    long startKiB = 0;
    long endKiB = 0;
    long oversizedPeakKiB = 0;
    bool filled = true;
    {
        rowsweep::ui::MainWindow form;
        form.show();
        std::vector<QLineEdit*> cells;
        for (const std::string_view row : names::kInputRows)
            for (int column = 0; column < rowsweep::kColumns; ++column)
                cells.push_back(form.findChild<QLineEdit*>(rowsweep::ui::elementName(row, column)));

        // The first rounds fill the font and layout caches once.
        const Round runs[] = {&dropRound, &blockPasteRound, &blockDropRound, &pasteRound};
        for (const Round run : runs)
            for (int round = 0; round < 2; ++round)
                run(cells, round);
        settle();
        startKiB = residentKiB();
        for (const Round run : runs) {
            for (int round = 2; round < kRounds + 2; ++round)
                run(cells, round);
            settle();
        }
        endKiB = residentKiB();

        for (const QLineEdit* cell : cells)
            filled = filled && cell->text() == ::filled(cell, kRounds + 1);
        oversizedPeakKiB = oversizedPastePeakKiB(cells.front());
    }

    const long growth = endKiB - startKiB;
    std::printf("4 x %d rounds of writing %d characters into each of %d cells by drop, block paste, block drop and paste\n",
                kRounds, QLineEdit().maxLength(), rowsweep::kRows * rowsweep::kColumns);
    std::printf("resident memory: %ld KiB at start, %ld KiB at end, growth %ld KiB (limit below %ld KiB)\n",
                startKiB, endKiB, growth, kMaxGrowthKiB);
    std::printf("every cell holds the last paste: %s\n", filled ? "yes" : "NO");
    std::printf("a paste of %d values took %ld KiB at its peak (limit below %ld KiB)\n", kOversizedPasteValues,
                oversizedPeakKiB, kMaxOversizedPastePeakKiB);
    const bool ok = startKiB > 0 && growth < kMaxGrowthKiB && filled && oversizedPeakKiB < kMaxOversizedPastePeakKiB;
    std::printf("paste soak: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
