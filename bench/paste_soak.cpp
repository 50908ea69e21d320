// Pasting as much as a cell takes, again and again: 100 rounds of a paste
// with Ctrl+V over the whole text of each of the 18 input cells. Fails when
// resident memory grew by 16 MiB or more.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "rowsweep/engine/matrix.h"
#include "rowsweep/ui/look/layout.h"
#include "rowsweep/ui/windows/main_window.h"
#include "rowsweep/ui/object_names.h"
#include "resident_memory.h"

namespace {

namespace names = rowsweep::ui::names;

constexpr int kRounds = 100;
constexpr long kMaxGrowthKiB = 16 * 1024;

using rowsweep::bench::residentKiB;
using rowsweep::bench::settle;

// Each round pastes a different digit, so every paste changes every cell.
void pasteRound(const std::vector<QLineEdit*>& cells, int round)
{
    const QChar digit(u'0' + round % 10);
    QGuiApplication::clipboard()->setText(QString(cells.front()->maxLength(), digit));
    for (QLineEdit* cell : cells) {
        cell->setFocus();
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    }
    settle();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    long startKiB = 0;
    long endKiB = 0;
    bool filled = true;
    {
        rowsweep::ui::MainWindow form;
        form.show();
        std::vector<QLineEdit*> cells;
        for (const std::string_view row : names::kInputRows)
            for (int column = 0; column < rowsweep::kColumns; ++column)
                cells.push_back(form.findChild<QLineEdit*>(rowsweep::ui::elementName(row, column)));

        // The first rounds fill the font and layout caches once.
        pasteRound(cells, 0);
        pasteRound(cells, 1);
        startKiB = residentKiB();
        for (int round = 2; round < kRounds + 2; ++round)
            pasteRound(cells, round);
        endKiB = residentKiB();

        const QString last(cells.front()->maxLength(), QChar(u'0' + (kRounds + 1) % 10));
        for (const QLineEdit* cell : cells)
            filled = filled && cell->text() == last;
    }

    const long growth = endKiB - startKiB;
    std::printf("%d rounds of pasting %d characters into each of %d cells\n", kRounds, QLineEdit().maxLength(),
                rowsweep::kRows * rowsweep::kColumns);
    std::printf("resident memory: %ld KiB at start, %ld KiB at end, growth %ld KiB (limit below %ld KiB)\n",
                startKiB, endKiB, growth, kMaxGrowthKiB);
    std::printf("every cell holds the last paste: %s\n", filled ? "yes" : "NO");
    const bool ok = startKiB > 0 && growth < kMaxGrowthKiB && filled;
    std::printf("paste soak: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
