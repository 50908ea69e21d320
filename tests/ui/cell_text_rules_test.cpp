// The two rules the cells apply to text without any window: how pasted or
// dropped text splits into values, and how a text too wide for its cell
// is shortened.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>

#include "rowsweep/ui/cells/cell_text_elision.h"
#include "rowsweep/ui/cells/pasted_text.h"

namespace rowsweep::ui {

// Printed as gtest shows a failing value.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

struct Split {
    const char* name;
    const char* text;
    PastedBlock expected;
};

const Split kSplits[] = {
    {"a value and its line break", "1.5\n", {{"1.5"}}},
    {"a value between blanks", "  4.5 \r\n", {{"4.5"}}},
    {"nothing but blanks and line breaks", " \n\t\r\n", {}},
    {"a spreadsheet block with CRLF line ends", "9\t8\r\n3\t\t1\r\n", {{"9", "8"}, {"3", "", "1"}}},
    {"blank lines before and after a block", "\n  \r\n1 2\n3 4\n\n \n", {{"1", "2"}, {"3", "4"}}},
    {"lines of different lengths", "1 2 3\n4\n5 6", {{"1", "2", "3"}, {"4"}, {"5", "6"}}},
    {"a blank line inside a block is a row without values", "1 2\n\n3 4", {{"1", "2"}, {}, {"3", "4"}}},
    {"a line with a tab splits only at tabs", "1;2\t3\n4;5;6\n7 8", {{"1;2", "3"}, {"4", "5", "6"}, {"7", "8"}}},
    {"blanks around semicolon-separated values", " 1 ; 2 ;", {{"1", "2", ""}}},
    {"a comma never separates", "1,5 2,5", {{"1,5", "2,5"}}},
    {"old Mac and Unicode line ends", "1\r2\u20283\u20294", {{"1"}, {"2"}, {"3"}, {"4"}}},
    {"runs of blanks and no-break spaces", "7 \u00a0  8", {{"7", "8"}}},
};

TEST(PastedTextTest, SplitsIntoLinesAndValues)
{
    for (const Split& split : kSplits)
        EXPECT_EQ(splitPastedText(QString::fromUtf8(split.text)), split.expected) << split.name;
}

TEST(PastedTextTest, OnlySeveralValuesMakeABlock)
{
    const struct {
        PastedBlock block;
        bool isBlock;
        const char* single;
    } cases[] = {
        {{}, false, ""},
        {{{"4.5"}}, false, "4.5"},
        {{{"1", "2"}}, true, ""},
        {{{"1"}, {"2"}}, true, ""},
        {{{"1"}, {}}, true, ""},
    };
    for (const auto& pasted : cases) {
        EXPECT_EQ(isBlock(pasted.block), pasted.isBlock) << pasted.block.size();
        if (!pasted.isBlock) {
            EXPECT_EQ(singleValue(pasted.block), QString::fromUtf8(pasted.single));
        }
    }
}

struct Elision {
    const char* text;
    const char* room;  // the width given is what this text takes
    const char* shown;
};

const Elision kElisions[] = {
    {"0.5", "0.5", "0.5"},
    {"  1.5  ", "1.5", "1.5"},
    {"2.22044604925031e-16", "2.2204…e-16", "2.2204…e-16"},
    {"2.22044604925031e-16", "2.…e-16", "2…e-16"},
    {"-1.33333333333333", "-1.33333…", "-1.33333…"},
    {"-3.33333333333333e+19", "-3.3333…e+19", "-3.3333…e+19"},
    {"-3.33333333333333e+19", "-…e+19", "-…e+19"},
    {"-3.33333333333333e+19", "…e+19", "…e+19"},
    {"-3.33333333333333e+19", "…", "…"},
    {"1.2345E+05", "1.2…E+05", "1.2…E+05"},
    {"-123456789/7", "-123456…/7", "-123456…/7"},
    {"-123456789/7", "-…/7", "-…/7"},
    {"12345/x7", "123…", "123…"},
    {"-Infinity", "-Inf…", "-Inf…"},
    {"counted as zero", "coun…", "coun…"},
};

TEST(CellTextElisionTest, KeepsTheSignLeadingDigitsAndTheWholeExponentOrDenominator)
{
    const QFontMetrics metrics(QApplication::font());
    for (const Elision& elision : kElisions) {
        const QString text = QString::fromUtf8(elision.text);
        const int width = metrics.horizontalAdvance(QString::fromUtf8(elision.room));
        EXPECT_EQ(elidedCellText(text, metrics, width), QString::fromUtf8(elision.shown))
            << elision.text << " in the room of " << elision.room;
    }
}

TEST(CellTextElisionTest, AFullCellIsShortenedToItsStart)
{
    const QFontMetrics metrics(QApplication::font());
    const QString full(32767, u'9');  // as many digits as a cell takes
    const QString shown = elidedCellText(full, metrics, metrics.horizontalAdvance(QStringLiteral("9999…")));
    EXPECT_EQ(shown, QStringLiteral("9999…"));
}

TEST(CellTextElisionTest, TextThatWouldLoseItsExponentOrFirstSignificantDigitIsDrawnSmaller)
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int fullSize = QFontInfo(font).pixelSize();
    const struct {
        const char* text;
        const char* room;  // the width given is a pixel less than this text takes at the cell's font
        const char* start;
        const char* end;
        bool smaller;
    } cases[] = {
        {"0.5", "0.5 ", "0.5", "0.5", false},
        {"-1.33333333333333", "0000", "-1", "…", false},
        {"2.22044604925031e-16", "…e-16", "2", "…e-16", true},
        {"0.333333333333333", "0.…", "0.3", "…", true},
        {"-12345678/7", "-…/7", "-1", "…/7", true},
    };
    for (const auto& expected : cases) {
        const int width = metrics.horizontalAdvance(QString::fromUtf8(expected.room)) - 1;
        const FittedCellText fitted = fitCellText(QString::fromUtf8(expected.text), font, width);
        const int size = QFontInfo(fitted.font).pixelSize();
        EXPECT_LE(QFontMetrics(fitted.font).horizontalAdvance(fitted.text), width) << expected.text;
        EXPECT_EQ(size < fullSize, expected.smaller) << expected.text << " drawn at " << size << " px";
        EXPECT_GE(size, fullSize * kSmallestCellTextScale - 0.5) << expected.text;
        EXPECT_TRUE(fitted.text.startsWith(QString::fromUtf8(expected.start))) << fitted.text.toStdString();
        EXPECT_TRUE(fitted.text.endsWith(QString::fromUtf8(expected.end))) << fitted.text.toStdString();
    }
}

TEST(CellTextElisionTest, NoFontIsMadeSmallerThanTheFloor)
{
    const QFont font = QApplication::font();
    const FittedCellText fitted = fitCellText(QStringLiteral("-3.33333333333333e+19"), font, 3);
    EXPECT_EQ(fitted.text, QStringLiteral("…"));
    EXPECT_GE(QFontInfo(fitted.font).pixelSize(), QFontInfo(font).pixelSize() * kSmallestCellTextScale - 0.5);
}

}  // namespace
}  // namespace rowsweep::ui
