#include "rowsweep/document/worked_document.h"

#include <vector>

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "matrix_layout.h"
#include "page_look.h"
#include "rowsweep/document/paper.h"
#include "rowsweep/steps/worked_outline.h"

namespace rowsweep::document {

namespace {

using steps::WorkedOutline;
using steps::WorkedSolution;
using steps::WrittenStep;

// A titled matrix: its name, what led to it, the matrix, and what is noted
// about it.
Block stepBlock(const Look& look, const WrittenStep& step, const QStringList& notes = {})
{
    Block block;
    append(block.lines, look.paragraph(step.title, look.font(kHeadingPoints, true), 0));
    for (const QString& operation : step.operations)
        append(block.lines, look.paragraph(operation, look.font(kBodyPoints), look.indent()));
    append(block.lines, matrixLines(look, step.matrix, look.indent()));
    for (const QString& note : notes)
        append(block.lines, look.paragraph(note, look.font(kBodyPoints), look.indent()));
    return block;
}

std::vector<Block> documentBlocks(const Look& look, const WorkedOutline& outline, QDate date)
{
    std::vector<Block> blocks;
    Block title{look.paragraph(documentTitle(), look.font(kTitlePoints, true), 0), false};
    const QString dated = desktopLocale(LocaleCategory::Time).toString(date, QLocale::LongFormat);
    append(title.lines, look.paragraph(dated, look.font(kBodyPoints), 0));
    blocks.push_back(std::move(title));
    blocks.push_back(stepBlock(look, outline.input, outline.inputNotes));
    for (const WrittenStep& step : outline.steps)
        blocks.push_back(stepBlock(look, step));
    if (!outline.warning.isEmpty())
        blocks.push_back({look.paragraph(outline.warning, look.font(kBodyPoints, true), 0)});
    for (const WrittenStep& step : outline.continuation)
        blocks.push_back(stepBlock(look, step));
    Block solution{look.paragraph(outline.solutionTitle, look.font(kHeadingPoints, true), 0)};
    for (const QString& line : QStringList{outline.verdict} + outline.solution)
        append(solution.lines, look.paragraph(line, look.font(kBodyPoints), look.indent()));
    blocks.push_back(std::move(solution));
    return blocks;
}

// Fills pages from the top, starting a block on a fresh page when it would
// not fit on this one; only a block taller than a page is broken, and then
// between two of its lines.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, qreal gap) : device_(device), painter_(painter), gap_(gap) {}

    void place(const Block& block)
    {
        qreal height = 0;
        for (const Line& line : block.lines)
            height += line.height;
        qreal gap = top_ > 0 && block.spaced ? gap_ : 0;
        if (top_ > 0 && top_ + gap + height > device_.height()) {
            newPage();
            gap = 0;
        }
        top_ += gap;
        for (const Line& line : block.lines) {
            if (top_ > 0 && top_ + line.height > device_.height())
                newPage();
            line.draw(painter_, top_);
            top_ += line.height;
        }
    }

    [[nodiscard]] int count() const { return count_; }

private:
    void newPage()
    {
        device_.newPage();
        ++count_;
        top_ = 0;
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal gap_;
    qreal top_ = 0;
    int count_ = 1;
};

}  // namespace

QMarginsF documentMargins()
{
    return {20, 20, 20, 20};
}

QString documentTitle()
{
    return QCoreApplication::translate("WorkedDocument", "Rowsweep: worked solution");
}

int paintWorkedSolution(const WorkedSolution& solution, QPagedPaintDevice& device, QDate date)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Look look(device);
    Pages pages(device, painter, look.metrics(look.font(kBodyPoints)).lineSpacing());
    for (const Block& block : documentBlocks(look, workedOutline(solution), date))
        pages.place(block);
    return painter.end() ? pages.count() : 0;
}

bool writeWorkedSolutionPdf(const WorkedSolution& solution, QIODevice& out, const QPageSize& paper, QDate date)
{
    QPdfWriter writer(&out);
    writer.setTitle(documentTitle());
    writer.setCreator(QStringLiteral("Rowsweep"));
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, documentMargins(), QPageLayout::Millimeter));
    return paintWorkedSolution(solution, writer, date) > 0;
}

}  // namespace rowsweep::document
