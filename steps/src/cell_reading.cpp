#include "rowsweep/steps/cell_reading.h"

#include <optional>
#include <string>

#include <QCoreApplication>

#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/steps/solve.h"

namespace rowsweep::steps {

namespace {

Unread whyNotRead(const ExactReading& reading)
{
    return reading.tooLong ? Unread::TooLongForExact : Unread::NotANumber;
}

// A note names a text of up to a cell's 32,767 characters: its start, an
// ellipsis and its end (where an exponent stands) keep a line readable.
constexpr qsizetype kLongestQuotedText = 40;
constexpr qsizetype kQuotedStart = 24;
constexpr qsizetype kQuotedEnd = 15;

QString quoted(const QString& text)
{
    QString shown = text.trimmed();
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    if (shown.size() > kLongestQuotedText) {
        qsizetype start = kQuotedStart;
        qsizetype end = shown.size() - kQuotedEnd;
        // Never half a character outside the Basic Multilingual Plane.
        if (shown[start - 1].isHighSurrogate())
            --start;
        if (shown[end].isLowSurrogate())
            ++end;
        shown = shown.left(start) + QChar(0x2026) + shown.mid(end);
    }
    return shown;
}

}  // namespace

CellReading readCell(const QString& text, Arithmetic arithmetic)
{
    if (isBlankCell(text))
        return {};
    const std::string utf8 = text.toStdString();
    const bool exact = arithmetic == Arithmetic::Exact;
    const ExactReading asTyped = readExactCellText(utf8, exact);
    CellReading reading{0.0, asTyped.value.value_or(0), Unread::No};
    if (exact) {
        if (!asTyped.value)
            reading.unread = whyNotRead(asTyped);
        return reading;
    }
    const std::optional<double> number = parseCellText(utf8);
    reading.floating = number.value_or(0.0);
    const bool zeroAsTyped = asTyped.value && asTyped.value->isZero();
    if (number && (*number != 0.0 || zeroAsTyped))
        return reading;
    // Not read, or too small for a double: what Exact Fractions would make
    // of it says why.
    const ExactReading inExactFractions = readExactCellText(utf8, true);
    reading.unread = inExactFractions.value ? Unread::NotInFloatingPoint : whyNotRead(inExactFractions);
    return reading;
}

QString unreadMark(Unread why)
{
    // The context is the cell's, where the marks were first translated.
    switch (why) {
    case Unread::No:
        break;
    case Unread::NotANumber:
        return QCoreApplication::translate("CellEdit", "Not a number: counted as 0");
    case Unread::NotInFloatingPoint:
        return QCoreApplication::translate("CellEdit", "Not read in floating point: counted as 0");
    case Unread::TooLongForExact:
        static_assert(kMostExactDigits == 100000, "the mark names the bound");
        //: The mark of a cell such as "1e999999999", whose exact value would need more than 100,000 decimal digits.
        return QCoreApplication::translate("CellEdit", "Too large for Exact Fractions: at most 100,000 digits");
    }
    return {};
}

QString unreadNote(int row, int column, const UnreadCell& cell)
{
    const QString text = quoted(cell.text);
    switch (cell.why) {
    case Unread::No:
        break;
    case Unread::NotANumber:
        //: Below the typed matrix in the copied steps; %1 and %2 count from 1, %3 is the cell's text ("l.5"), perhaps shortened with "…".
        return QCoreApplication::translate("Steps", "Row %1, column %2: \"%3\" is not a number, counted as 0")
            .arg(QString::number(row + 1), QString::number(column + 1), text);
    case Unread::NotInFloatingPoint:
        //: Below the typed matrix in the copied steps, for a fraction ("1/3") or a value beyond the range of floating point ("1e400"); %1 and %2 count from 1, %3 is the cell's text.
        return QCoreApplication::translate("Steps", "Row %1, column %2: \"%3\" is not read in floating point, counted as 0")
            .arg(QString::number(row + 1), QString::number(column + 1), text);
    case Unread::TooLongForExact:
        //: Below the typed matrix in the copied steps, for a value such as "1e999999999" whose exact form would need more than 100,000 digits; %1 and %2 count from 1, %3 is the cell's text.
        return QCoreApplication::translate("Steps", "Row %1, column %2: \"%3\" is too large for Exact Fractions, counted as 0")
            .arg(QString::number(row + 1), QString::number(column + 1), text);
    }
    return {};
}

}  // namespace rowsweep::steps
