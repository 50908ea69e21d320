// The two rules the cells apply to text without any window: how pasted or
// dropped text splits into values, and how a text too wide for its cell
// is shortened.

#include <algorithm>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include "rowsweep/ui/cells/cell_hover_text.h"
#include "rowsweep/ui/cells/cell_text_fitting.h"
#include "rowsweep/ui/cells/cell_text_shortening.h"
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

// A form as the program writes it, for the cases its writing decides.
WrittenNumber decimal(bool negative, const char* digits, long long power)
{
    return {WrittenNumber::Kind::Decimal, negative, digits, {}, power};
}

WrittenNumber fraction(bool negative, const char* numerator, const char* denominator)
{
    return {WrittenNumber::Kind::Fraction, negative, numerator, denominator, 0};
}

struct Shortening {
    const char* text;
    std::optional<WrittenNumber> written;  // none: read as typed
    int room;                              // characters that fit on a line
    const char* shown;
    int lines = 1;  // lines that fit
};

const QString kLongInteger = u'1' + QString(300, u'0') + u'7';

const Shortening kShortenings[] = {
    // Fractions: the decimal value, never a cut numerator or denominator.
    {"201/13", fraction(false, "201", "13"), 6, "15.46…"},
    {"201/13", fraction(false, "201", "13"), 5, "15.4…"},
    {"201/13", fraction(false, "201", "13"), 4, "1.5…\ne+01"},
    {"100/7", fraction(false, "100", "7"), 6, "14.28…"},
    {"1000/7", fraction(false, "1000", "7"), 6, "142.8…"},
    {"183/175", fraction(false, "183", "175"), 6, "1.045…"},
    {"-116/175", fraction(true, "116", "175"), 6, "-0.66…"},
    {"1/700000", fraction(false, "1", "700000"), 8, "1.4…e-06"},
    // Integers: their decimal value.
    {"1009", std::nullopt, 9, "1.00…e+03"},
    {"-1009", std::nullopt, 3, "-1.0…\ne+03"},
    // Decimals: the whole integer part, else the whole exponent.
    {"1e+300", decimal(false, "1", 300), 9, "1.0…e+300"},
    {"-1e+300", decimal(true, "1", 300), 1, "-1.0…\ne+300"},
    {"1.5e+20", decimal(false, "15", 20), 7, "1.5…\ne+20"},
    {"-3.33333333333333e+19", decimal(true, "333333333333333", 19), 10, "-3.33…e+19"},
    {"2.22044604925031e-16", decimal(false, "222044604925031", -16), 11, "2.2204…e-16"},
    {"2.22044604925031e-16", decimal(false, "222044604925031", -16), 3, "2.2…\ne-16"},
    {"1.1875", decimal(false, "11875", 0), 4, "1.1…"},
    {"1.5625", decimal(false, "15625", 0), 5, "1.56…"},
    {"-1.33333333333333", decimal(true, "133333333333333", 0), 9, "-1.33333…"},
    {"0.000187512345", decimal(false, "187512345", -4), 8, "0.00018…"},
    {"0.000187512345", decimal(false, "187512345", -4), 2, "1.8…\ne-04"},
    // Two lines: the exponent below; whole before cut where the digits fit.
    {"1e+300", decimal(false, "1", 300), 5, "1\ne+300", 2},
    {"-1.5e+20", decimal(true, "15", 20), 9, "-1.5\ne+20", 2},
    {"-3.33333333333333e+19", decimal(true, "333333333333333", 19), 6, "-3.33…\ne+19", 2},
    {"-3.33333333333333e+19", decimal(true, "333333333333333", 19), 10, "-3.33…e+19", 2},
    {"0.000187512345", decimal(false, "187512345", -4), 5, "1.87…\ne-04", 2},
    {"1e-1234", std::nullopt, 5, "1.0…\ne-1234", 2},
    {"1e+1234", std::nullopt, 5, "1\ne1234", 2},
    {"-1.2345e+1234", std::nullopt, 5, "-1.2…\ne1234", 2},
    {"-1.5625", decimal(true, "15625", 0), 5, "-1.5…", 2},
    {"123456789012.5", decimal(false, "1234567890125", 11), 12, "1.23456…e+11"},
    {"123456789012345", decimal(false, "123456789012345", 14), 10, "1.234…e+14"},
    // Typed texts, read as typed.
    {"12.34567e5", std::nullopt, 8, "1.2…e+06"},
    {"1.2345678E20", std::nullopt, 9, "1.23…e+20"},
    {"-0.000000000000000", std::nullopt, 6, "-0.00…"},
    {"0.0000000000", std::nullopt, 1, "0…"},
    {"counted as zero", std::nullopt, 5, "coun…"},
    {"-Infinity", std::nullopt, 5, "-Inf…"},
    {"-Infinity", std::nullopt, 1, "-I…"},
};

TEST(CellTextShorteningTest, KeepsSignLeadingDigitsAndExponentAndNeverCutsAnIntegersDigits)
{
    for (const Shortening& cut : kShortenings) {
        const QString text = QString::fromUtf8(cut.text);
        const std::optional<WrittenNumber> number = cut.written ? cut.written : readWrittenNumber(cut.text);
        const auto fits = [&](const QString& shown) {
            const QStringList lines = shown.split(u'\n');
            return lines.size() <= cut.lines
                   && std::all_of(lines.begin(), lines.end(), [&](const QString& line) { return line.size() <= cut.room; });
        };
        EXPECT_EQ(shortenedCellText(text, number, fits).toStdString(), cut.shown)
            << cut.text << " in " << cut.lines << " x " << cut.room << " characters";
    }
    const QString longInteger = u'-' + kLongInteger;
    EXPECT_EQ(shortenedCellText(longInteger, readWrittenNumber(longInteger.toStdString()),
                                [](const QString& s) { return s.size() <= 11; }),
              QStringLiteral("-1.00…e+301"));
}

// Whole at the largest size it fits at, down to 60 % of the cell's own;
// shortened only below that, at the smallest size.
TEST(CellTextFittingTest, DrawsTheWholeTextAtTheLargestSizeThatFitsBeforeShorteningIt)
{
    QFont font = QApplication::font();
    font.setPixelSize(20);
    const QString text = QStringLiteral("-147/13");
    const int whole = QFontMetrics(font).horizontalAdvance(text);
    const auto advance = [&](int size) {
        QFont sized = font;
        sized.setPixelSize(size);
        return QFontMetrics(sized).horizontalAdvance(text);
    };
    for (const int width : {whole, whole - 1, whole * 3 / 4, advance(12), advance(12) - 1}) {
        const FittedCellText fitted = fitCellText(text, fraction(true, "147", "13"), font, {width, 1});
        const int size = QFontInfo(fitted.font).pixelSize();
        if (width < advance(12)) {
            EXPECT_EQ(size, 12) << "the smallest size";
            EXPECT_TRUE(fitted.text.startsWith(QStringLiteral("-11.3")) && fitted.text.endsWith(QChar(0x2026)))
                << fitted.text.toStdString();
        } else {
            EXPECT_EQ(fitted.text, text) << width;
            EXPECT_LE(advance(size), width);
            EXPECT_TRUE(size == 20 || advance(size + 1) > width) << "the largest size that fits: " << size;
        }
    }
}

// In a grid cell (27 x 23 px of text room) with the desktop's font, the
// values that were cut or drawn tiny before are shown at 60 % at least,
// every line within the cell, keeping the exponent whole (its plus may go). CTest runs this
// under X11 too (ui.x11).
TEST(CellTextFittingTest, EveryValueOfAGridCellShowsAtSixtyPercentAtLeastWithItsExponent)
{
    QFont font = QApplication::font();
    font.setPixelSize(12);
    for (const char* value : {"1e+300", "-1e+300", "1.5e+20", "-3.33333333333333e+19", "2.22044604925031e-16",
                              "-1.23456789012345e-300", "-1.5e+1234", "201/13", "-1009", "-1.33333333333333",
                              "0.000187512345"}) {
        const QString text = QString::fromUtf8(value);
        const FittedCellText fitted = fitCellText(text, readWrittenNumber(value), font, {27, 23});
        EXPECT_GE(QFontInfo(fitted.font).pixelSize(), 7) << value;
        const QFontMetrics metrics(fitted.font);
        const QStringList lines = fitted.text.split(u'\n');
        EXPECT_LE(lines.size() * metrics.height(), 23) << value;
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), 27) << value << " as " << fitted.text.toStdString();
        const qsizetype exponent = text.indexOf(u'e');
        EXPECT_TRUE(exponent < 0 || QString(fitted.text).remove(u'+').endsWith(text.mid(exponent).remove(u'+')))
            << fitted.text.toStdString();
    }
    EXPECT_FALSE(fitCellText(QStringLiteral("1.5e+20"), std::nullopt, font, {27, 12}).text.contains(u'\n'))
        << "two lines only where the cell is tall enough";
}

TEST(CellHoverTextTest, SaysWhatTheCellDoesNotShowAndNeverContradictsItself)
{
    const QString unread = QStringLiteral("Not read in floating point: counted as 0");
    const struct {
        CellHover hover;
        const char* tip;
    } cases[] = {
        {{.text = QStringLiteral("0.5")}, ""},
        {{.text = QStringLiteral("0.5"), .drawnWhole = false}, "0.5"},
        {{.text = QStringLiteral("19/16")}, "19/16 = 1.1875"},
        {{.text = QStringLiteral("3/4"), .readsFractions = false}, "3/4 (0.75 in Exact Fractions)"},
        {{.text = QStringLiteral(" -3/4"), .readsFractions = false, .mark = unread},
         " -3/4 (-0.75 in Exact Fractions)\nNot read in floating point: counted as 0"},
        {{.text = QStringLiteral("-1e-400"), .readsFractions = false}, "-1e-400 (-1e-400 in Exact Fractions)"},
        {{.text = QStringLiteral("1e999999999"), .readsFractions = false}, ""},
        {{.text = QStringLiteral("0.333333333333333"), .readsFractions = false}, "0.333333333333333 ≈ 1/3"},
        {{.text = QStringLiteral("1,5"), .mark = QStringLiteral("Not a number: counted as 0")},
         "Not a number: counted as 0"},
        {{.text = QStringLiteral("1e-16"), .hint = QStringLiteral("From rounding.")}, "From rounding."},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(cellHoverText(expected.hover), QString::fromUtf8(expected.tip)) << expected.hover.text.toStdString();
    EXPECT_EQ(cellHoverText({.text = QString(201, u'7')}), QString(200, u'7') + QChar(0x2026)) << "no tooltip wider than a screen";
}

}  // namespace
}  // namespace rowsweep::ui
