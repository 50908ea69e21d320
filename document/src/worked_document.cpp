#include "rowsweep/document/worked_document.h"

#include <vector>

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>
#include <QPainter>

#include "matrix_layout.h"
#include "page_look.h"
#include "pages.h"
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

std::vector<Block> documentBlocks(const Look& look, const QString& name, const WorkedOutline& outline, QDate date)
{
    std::vector<Block> blocks;
    Block title{look.paragraph(name, look.font(kTitlePoints, true), 0), false};
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
    if (outline.solutionTitle.isEmpty())
        return blocks;
    Block solution{look.paragraph(outline.solutionTitle, look.font(kHeadingPoints, true), 0)};
    for (const QString& line : QStringList{outline.verdict} + outline.solution)
        append(solution.lines, look.paragraph(line, look.font(kBodyPoints), look.indent()));
    blocks.push_back(std::move(solution));
    return blocks;
}

struct NamedOutline {
    QString name;
    WorkedOutline outline;
};

// Each outline from the top of a page of its own, under its name.
int paintNamedOutlines(const std::vector<NamedOutline>& outlines, QPagedPaintDevice& device, QDate date)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const Look look(device);
    Pages pages(device, painter, look.metrics(look.font(kBodyPoints)).lineSpacing());
    for (const NamedOutline& named : outlines) {
        pages.breakPage();
        for (const Block& block : documentBlocks(look, named.name, named.outline, date))
            pages.place(block);
    }
    return painter.end() ? pages.count() : 0;
}

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
    return paintOutline(workedOutline(solution), device, date);
}

int paintOutline(const WorkedOutline& outline, QPagedPaintDevice& device, QDate date)
{
    return paintNamedOutlines({{documentTitle(), outline}}, device, date);
}

int paintWorkedSolutions(const std::vector<NamedSolution>& solutions, QPagedPaintDevice& device, QDate date)
{
    std::vector<NamedOutline> outlines;
    outlines.reserve(solutions.size());
    for (const NamedSolution& named : solutions)
        outlines.push_back({named.name, workedOutline(named.solution)});
    return paintNamedOutlines(outlines, device, date);
}

bool writeWorkedSolutionPdf(const WorkedSolution& solution, QIODevice& out, const QPageSize& paper, QDate date)
{
    return writeOutlinePdf(workedOutline(solution), out, paper, date);
}

bool writeOutlinePdf(const WorkedOutline& outline, QIODevice& out, const QPageSize& paper, QDate date)
{
    QPdfWriter writer(&out);
    preparePdf(writer, documentTitle(), paper);
    return paintOutline(outline, writer, date) > 0;
}

bool writeWorkedSolutionsPdf(const std::vector<NamedSolution>& solutions, QIODevice& out, const QPageSize& paper,
                             QDate date)
{
    QPdfWriter writer(&out);
    preparePdf(writer, documentTitle(), paper);
    return paintWorkedSolutions(solutions, writer, date) > 0;
}

}  // namespace rowsweep::document
