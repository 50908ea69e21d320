#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include "page_look.h"

namespace rowsweep::document {

// Fills pages from the top, starting a block on a fresh page when it would
// not fit on this one; only a block taller than a page is broken, and then
// between two of its lines.
class Pages {
public:
    Pages(QPagedPaintDevice& device, QPainter& painter, qreal gap) : device_(device), painter_(painter), gap_(gap) {}

    void place(const Block& block);
    // The next block goes to the top of a page of its own.
    void breakPage();

    [[nodiscard]] int count() const { return count_; }

private:
    void newPage();

    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal gap_;
    qreal top_ = 0;
    int count_ = 1;
};

// A PDF of `paper` with 20 mm margins, titled for a PDF reader.
void preparePdf(QPdfWriter& writer, const QString& title, const QPageSize& paper);

}  // namespace rowsweep::document
