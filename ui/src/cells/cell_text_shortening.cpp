#include "rowsweep/ui/cells/cell_text_shortening.h"

#include <algorithm>
#include <string>

namespace rowsweep::ui {

namespace {

const QChar kEllipsis(0x2026);

// No cell, even at its smallest text, shows more characters than this; a
// whole 32,767-character cell is not measured.
constexpr int kMostShownCharacters = 200;
// At least these many significant digits show, so that no two values far
// apart look alike.
constexpr int kLeastSignificantDigits = 2;

QString exponentText(long long power)
{
    const QString digits = QString::number(power < 0 ? -power : power).rightJustified(2, u'0');
    return QStringLiteral("e") + (power < 0 ? u'-' : u'+') + digits;
}

// The longest of make(longest) .. make(least) that fits, by bisection: a
// longer candidate is never narrower.
std::optional<QString> longestFitting(int least, int longest, const std::function<QString(int)>& make,
                                      const FitsRoom& fits)
{
    if (longest < least || !fits(make(least)))
        return std::nullopt;
    while (least < longest) {
        const int middle = least + (longest - least + 1) / 2;
        if (fits(make(middle)))
            least = middle;
        else
            longest = middle - 1;
    }
    return make(least);
}

int cappedSize(std::size_t size)
{
    return static_cast<int>(std::min<std::size_t>(size, kMostShownCharacters));
}

// Fixed notation, as "%.15g" writes powers -4 to 14: the whole integer part
// and some of the fraction, at least as many of its digits as make two
// significant ones.
bool writtenFixed(const SignificantDigits& value)
{
    return value.power >= -4 && value.power <= 14;
}

std::optional<QString> fixedForm(const SignificantDigits& value, const FitsRoom& fits, QString& shortest)
{
    if (!writtenFixed(value))
        return std::nullopt;
    const QString sign = value.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromStdString(value.digits);
    const auto power = static_cast<int>(value.power);
    QString integer;
    QString fraction;
    if (power >= 0) {
        integer = digits.left(power + 1).leftJustified(power + 1, u'0');
        fraction = digits.mid(power + 1);
    } else {
        integer = QStringLiteral("0");
        fraction = QString(-power - 1, u'0') + digits;
    }
    const int least = power >= 0 ? std::max(1, kLeastSignificantDigits - (power + 1)) : -power - 1 + kLeastSignificantDigits;
    const int longest = cappedSize(static_cast<std::size_t>(fraction.size())) - (value.complete ? 1 : 0);
    const auto make = [&](int kept) { return sign + integer + u'.' + fraction.left(kept) + kEllipsis; };
    if (least <= longest)
        shortest = make(least);
    return longestFitting(least, longest, make, fits);
}

// The longest line of a text that may have two.
qsizetype widestLine(const QString& text)
{
    const qsizetype lineBreak = text.indexOf(u'\n');
    return lineBreak < 0 ? text.size() : std::max(lineBreak, text.size() - lineBreak - 1);
}

// Scientific notation: sign, first digit, point, some digits, "…", the
// whole exponent; on one line where it fits, else with the exponent on a
// line of its own below. A value written with an exponent whose digits
// fit is written whole over two lines first, before any of it is cut.
// The plus of a positive exponent tells nothing the missing minus does
// not: it is left out only where the exponent, on a line of its own, does
// not fit with it.
std::optional<QString> scientificForm(const SignificantDigits& value, const FitsRoom& fits, QString& shortest)
{
    const QString sign = value.negative ? QStringLiteral("-") : QString();
    const QString all = QString::fromStdString(value.digits);
    const QString whole = sign + all.front() + (all.size() > 1 ? u'.' + all.mid(1) : QString()) + u'\n';
    const bool wholeFits = value.complete && !writtenFixed(value) && all.size() <= kMostShownCharacters;
    const QString digits = all.leftJustified(kLeastSignificantDigits, u'0');
    const int longest = std::max(kLeastSignificantDigits,
                                 cappedSize(value.digits.size()) - (value.complete ? 1 : 0));
    const QString withSign = exponentText(value.power);
    const QString exponents[] = {withSign, value.power < 0 ? withSign : u'e' + withSign.mid(2)};
    for (const QString& exponent : exponents) {
        if (wholeFits && fits(whole + exponent))
            return whole + exponent;
        for (const QString& between : {QString(), QStringLiteral("\n")}) {
            if (between.isEmpty() && exponent != withSign)
                continue;  // the plus goes only from an exponent on a line of its own
            const auto make = [&](int shown) {
                return sign + digits.front() + u'.' + digits.mid(1, shown - 1) + kEllipsis + between + exponent;
            };
            if (std::optional<QString> form = longestFitting(kLeastSignificantDigits, longest, make, fits))
                return form;
        }
    }
    const QString twoLines = sign + digits.front() + u'.' + digits.mid(1, kLeastSignificantDigits - 1) + kEllipsis
                             + u'\n' + withSign;
    if (shortest.isEmpty() || widestLine(twoLines) < shortest.size())
        shortest = twoLines;
    return std::nullopt;
}

// Leading characters and an ellipsis; a sign keeps the character after it.
QString cutText(const QString& text, const FitsRoom& fits)
{
    const QString trimmed = text.trimmed();
    const int least = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 2 : 1;
    const auto make = [&](int kept) { return trimmed.left(kept) + kEllipsis; };
    return longestFitting(least, cappedSize(static_cast<std::size_t>(trimmed.size())) - 1, make, fits)
        .value_or(make(least));
}

}  // namespace

QString shortenedCellText(const QString& text, const std::optional<WrittenNumber>& number, const FitsRoom& fits)
{
    const std::optional<SignificantDigits> value = number ? significantDigits(*number) : std::nullopt;
    if (!value)
        return cutText(text, fits);
    QString shortest;
    if (std::optional<QString> fixed = fixedForm(*value, fits, shortest))
        return *fixed;
    if (std::optional<QString> scientific = scientificForm(*value, fits, shortest))
        return *scientific;
    return shortest;
}

}  // namespace rowsweep::ui
