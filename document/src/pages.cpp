#include "pages.h"

#include "rowsweep/document/worked_document.h"

namespace rowsweep::document {

void Pages::place(const Block& block)
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

void Pages::breakPage()
{
    if (top_ > 0)
        newPage();
}

void Pages::newPage()
{
    device_.newPage();
    ++count_;
    top_ = 0;
}

void preparePdf(QPdfWriter& writer, const QString& title, const QPageSize& paper)
{
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Rowsweep"));
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, documentMargins(), QPageLayout::Millimeter));
}

}  // namespace rowsweep::document
