#include "rowsweep/engine/written_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "decimal_text.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_reduction.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep {

namespace {

using detail::kSignificantDigits;

// Decimal digits and power of ten of a finite non-zero value in its
// shortest form that reads back exactly.
struct ShortestDigits {
    char digits[20];
    int count = 0;
    int power = 0;
};

// The digits and power of to_chars' scientific text, "d.ddde+pp".
ShortestDigits fromScientific(const char* text, const char* end) noexcept
{
    ShortestDigits digits;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            digits.digits[digits.count++] = *p;
    }
    const bool negativePower = p[1] == '-';
    for (p += 2; p != end; ++p)
        digits.power = digits.power * 10 + (*p - '0');
    if (negativePower)
        digits.power = -digits.power;
    return digits;
}

ShortestDigits shortestDigits(double magnitude) noexcept
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    return fromScientific(text, result.ptr);
}

// Rounds the shortest digits of a normal double to 15 significant digits,
// which gives what "%.15g" prints: no 16-digit midpoint can lie between the
// value and its shortest form, or that midpoint would have been the shorter
// or nearer form. The one exception is a shortest form that is itself the
// midpoint (a lone dropped 5); the value may then lie on either side, and
// false tells the caller to round from the exact value instead.
bool roundToSignificantDigits(ShortestDigits& d) noexcept
{
    if (d.count <= kSignificantDigits)
        return true;
    const char firstDropped = d.digits[kSignificantDigits];
    if (firstDropped == '5' && d.count == kSignificantDigits + 1)
        return false;
    d.count = kSignificantDigits;
    if (firstDropped >= '5') {
        int last = kSignificantDigits - 1;
        while (last >= 0 && d.digits[last] == '9')
            --last;
        if (last < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.power;
            return true;
        }
        ++d.digits[last];
        d.count = last + 1;
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return true;
}

// The C library's own rounding of the exact binary value, for denormals
// and the midpoints the shortest digits cannot decide.
ShortestDigits roundedByTheLibrary(double magnitude) noexcept
{
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
    ShortestDigits rounded = fromScientific(text, result.ptr);
    while (rounded.count > 1 && rounded.digits[rounded.count - 1] == '0')
        --rounded.count;
    return rounded;
}

constexpr double kNearLargestDouble = 1.7976931348623e308;

// Rounded to 15 digits, the few largest doubles would read back as beyond
// the double range; their exact shortest form reads back.
bool readsBack(bool negative, const ShortestDigits& digits) noexcept
{
    char text[detail::kGeneralLayoutRoom];
    char* out = text;
    if (negative)
        *out++ = '-';
    out = detail::layOutGeneral(out, {digits.digits, static_cast<std::size_t>(digits.count)}, digits.power);
    return parseCellText({text, static_cast<std::size_t>(out - text)}).has_value();
}

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

// The 15 significant digits of a/b (both positive) rounded half to even,
// and the decimal power of the first.
struct RoundedDigits {
    char digits[kSignificantDigits];
    long long power = 0;
};

RoundedDigits roundToSignificantDigits(const mpz_class& a, const mpz_class& b)
{
    // The digit counts bound the power of a/b to estimate-2..estimate+1, so
    // scaling by 10^(16 - estimate) leaves a quotient of 15 to 18 digits.
    const long long estimate = static_cast<long long>(mpz_sizeinbase(a.get_mpz_t(), 10))
                               - static_cast<long long>(mpz_sizeinbase(b.get_mpz_t(), 10));
    const long long scale = kSignificantDigits + 1 - estimate;
    mpz_class dividend = a;
    mpz_class divisor = b;
    if (scale >= 0)
        dividend *= powerOfTen(static_cast<unsigned long>(scale));
    else
        divisor *= powerOfTen(static_cast<unsigned long>(-scale));
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), dividend.get_mpz_t(), divisor.get_mpz_t());

    char all[kSignificantDigits + 4];
    mpz_get_str(all, 10, quotient.get_mpz_t());
    const auto extra = static_cast<unsigned long>(std::strlen(all) - kSignificantDigits);
    RoundedDigits rounded;
    std::copy_n(all, kSignificantDigits, rounded.digits);
    rounded.power = kSignificantDigits - 1 + static_cast<long long>(extra) - scale;

    // What is dropped, as a fraction of one unit in the 15th digit:
    // (dropped digits * divisor + remainder) / (10^extra * divisor).
    const mpz_class droppedDigits(extra == 0 ? "0" : all + kSignificantDigits, 10);
    const mpz_class twiceDropped = 2 * (droppedDigits * divisor + remainder);
    const mpz_class unit = powerOfTen(extra) * divisor;
    const int side = cmp(twiceDropped, unit);
    const bool lastIsOdd = (rounded.digits[kSignificantDigits - 1] - '0') % 2 == 1;
    if (side > 0 || (side == 0 && lastIsOdd)) {
        int last = kSignificantDigits - 1;
        while (last >= 0 && rounded.digits[last] == '9')
            rounded.digits[last--] = '0';
        if (last < 0) {
            rounded.digits[0] = '1';
            ++rounded.power;
        } else {
            ++rounded.digits[last];
        }
    }
    return rounded;
}

}  // namespace

namespace detail {

namespace {

NumberParts parts(WrittenNumber::Kind kind, bool negative) noexcept
{
    NumberParts made;
    made.kind = kind;
    made.negative = negative;
    return made;
}

NumberParts decimalParts(bool negative, std::string_view digits, long long power) noexcept
{
    NumberParts made = parts(WrittenNumber::Kind::Decimal, negative);
    made.digitCount = static_cast<unsigned char>(std::min(digits.size(), sizeof made.digitBuffer));
    std::copy_n(digits.begin(), made.digitCount, made.digitBuffer);
    made.power = power;
    return made;
}

}  // namespace

NumberParts partsOf(double value) noexcept
{
    using Kind = WrittenNumber::Kind;
    if (std::isnan(value))
        return parts(Kind::NotANumber, false);
    if (std::isinf(value))
        return parts(Kind::Infinity, value < 0);
    if (value == 0.0)
        return decimalParts(false, "0", 0);  // minus zero too: a sign on zero only puzzles a reader

    const double magnitude = std::fabs(value);
    ShortestDigits digits;
    if (!(magnitude >= std::numeric_limits<double>::min() && roundToSignificantDigits(digits = shortestDigits(magnitude))))
        digits = roundedByTheLibrary(magnitude);
    if (magnitude > kNearLargestDouble && !readsBack(value < 0, digits))
        digits = shortestDigits(magnitude);
    return decimalParts(value < 0, {digits.digits, static_cast<std::size_t>(digits.count)}, digits.power);
}

namespace {

// Both parts within the bounds of a written integer or fraction, or none.
std::optional<WordParts> withinWrittenBounds(bool negative, unsigned long top, unsigned long below) noexcept
{
    if (top >= kWrittenNumeratorBound || below > kLargestWrittenDenominator)
        return std::nullopt;
    return WordParts{negative, top, below};
}

}  // namespace

std::optional<WordParts> wordPartsOf(const mpq_class& value) noexcept
{
    const mpz_srcptr numerator = value.get_num_mpz_t();
    const mpz_srcptr denominator = value.get_den_mpz_t();
    // Below 10^15 and 10^6 each part fits a limb, and then the digits are
    // written without GMP's help.
    if (mpz_size(numerator) > 1 || mpz_size(denominator) > 1)
        return std::nullopt;
    return withinWrittenBounds(mpz_sgn(numerator) < 0, mpz_getlimbn(numerator, 0), mpz_getlimbn(denominator, 0));
}

std::optional<WordParts> wordPartsOf(const SmallFraction& value) noexcept
{
    const long long numerator = value.numerator();
    // No numerator is LLONG_MIN, so its magnitude is a long long too.
    return withinWrittenBounds(numerator < 0, static_cast<unsigned long>(numerator < 0 ? -numerator : numerator),
                               static_cast<unsigned long>(value.denominator()));
}

char* writeWordParts(char* out, const WordParts& parts) noexcept
{
    if (parts.negative)
        *out++ = '-';
    out = std::to_chars(out, out + 16, parts.numerator).ptr;
    if (parts.denominator == 1)
        return out;
    *out++ = '/';
    return std::to_chars(out, out + 8, parts.denominator).ptr;
}

namespace {

NumberParts partsOfWord(const WordParts& word) noexcept
{
    NumberParts made =
        parts(word.denominator == 1 ? WrittenNumber::Kind::Integer : WrittenNumber::Kind::Fraction, word.negative);
    char* const digitsEnd = std::to_chars(made.digitBuffer, std::end(made.digitBuffer), word.numerator).ptr;
    made.digitCount = static_cast<unsigned char>(digitsEnd - made.digitBuffer);
    if (word.denominator != 1) {
        char* const end =
            std::to_chars(made.denominatorBuffer, std::end(made.denominatorBuffer), word.denominator).ptr;
        made.denominatorCount = static_cast<unsigned char>(end - made.denominatorBuffer);
    }
    return made;
}

}  // namespace

NumberParts partsOf(const mpq_class& value)
{
    const std::optional<WordParts> word = wordPartsOf(value);
    return word ? partsOfWord(*word) : decimalPartsOf(value);
}

NumberParts partsOf(const SmallFraction& value)
{
    const std::optional<WordParts> word = wordPartsOf(value);
    return word ? partsOfWord(*word) : decimalPartsOf(exactValue(value));
}

NumberParts decimalPartsOf(const mpq_class& value)
{
    if (sgn(value) == 0)
        return decimalParts(false, "0", 0);
    const RoundedDigits rounded = roundToSignificantDigits(abs(value.get_num()), value.get_den());
    std::size_t count = kSignificantDigits;
    while (count > 1 && rounded.digits[count - 1] == '0')
        --count;
    return decimalParts(sgn(value) < 0, {rounded.digits, count}, rounded.power);
}

std::size_t writtenLength(const NumberView& number) noexcept
{
    using Kind = WrittenNumber::Kind;
    const std::size_t sign = number.negative ? 1 : 0;
    switch (number.kind) {
    case Kind::Integer:
        return sign + number.digits.size();
    case Kind::Fraction:
        return sign + number.digits.size() + 1 + number.denominator.size();
    case Kind::Infinity:
        return sign + 8;
    case Kind::NotANumber:
        return 3;
    case Kind::Decimal:
        break;
    }
    // The longer layout: the digits, a point, "e-" and up to 19 digits of
    // the exponent. The fixed one, "0.000" before the digits or an integer
    // part padded to 15 digits, is never longer.
    return sign + number.digits.size() + 22;
}

char* writeNumber(char* out, const NumberView& number) noexcept
{
    using Kind = WrittenNumber::Kind;
    if (number.kind == Kind::NotANumber) {
        std::memcpy(out, "NaN", 3);
        return out + 3;
    }
    if (number.negative)
        *out++ = '-';
    switch (number.kind) {
    case Kind::Infinity:
        std::memcpy(out, "Infinity", 8);
        return out + 8;
    case Kind::Integer:
        return std::copy(number.digits.begin(), number.digits.end(), out);
    case Kind::Fraction:
        out = std::copy(number.digits.begin(), number.digits.end(), out);
        *out++ = '/';
        return std::copy(number.denominator.begin(), number.denominator.end(), out);
    case Kind::Decimal:
    case Kind::NotANumber:
        break;
    }
    return layOutGeneral(out, number.digits, number.power);
}

std::string textOf(const NumberView& number)
{
    char text[kGeneralLayoutRoom];
    if (writtenLength(number) <= sizeof text)
        return {text, writeNumber(text, number)};
    std::string longText(writtenLength(number), '\0');
    longText.resize(static_cast<std::size_t>(writeNumber(longText.data(), number) - longText.data()));
    return longText;
}

}  // namespace detail

namespace {

WrittenNumber writtenFrom(const detail::NumberParts& parts)
{
    WrittenNumber number;
    number.kind = parts.kind;
    number.negative = parts.negative;
    number.digits.append(parts.digitBuffer, parts.digitCount);
    number.denominator.append(parts.denominatorBuffer, parts.denominatorCount);
    number.power = parts.power;
    return number;
}

}  // namespace

WrittenNumber writtenNumber(double value)
{
    return writtenFrom(detail::partsOf(value));
}

WrittenNumber writtenNumber(const mpq_class& value)
{
    return writtenFrom(detail::partsOf(value));
}

WrittenNumber writtenNumber(const SmallFraction& value)
{
    return writtenFrom(detail::partsOf(value));
}

WrittenNumber writtenDecimal(const mpq_class& value)
{
    return writtenFrom(detail::decimalPartsOf(value));
}

std::string writtenText(const WrittenNumber& number)
{
    return detail::textOf({number.kind, number.negative, number.digits, number.denominator, number.power});
}

DecimalLayout layOutDecimal(const WrittenNumber& decimal)
{
    DecimalLayout layout;
    const std::string& digits = decimal.digits;
    const long long power = decimal.power;
    const auto count = static_cast<long long>(digits.size());
    if (detail::takesAnExponent(power)) {
        layout.integerPart = digits.substr(0, 1);
        layout.fractionPart = digits.substr(1);
        layout.exponent = power;
    } else if (power < 0) {
        layout.integerPart.push_back('0');
        layout.fractionPart.append(static_cast<std::size_t>(-power - 1), '0').append(digits);
    } else if (count <= power + 1) {
        layout.integerPart.append(digits).append(static_cast<std::size_t>(power + 1 - count), '0');
    } else {
        layout.integerPart = digits.substr(0, static_cast<std::size_t>(power + 1));
        layout.fractionPart = digits.substr(static_cast<std::size_t>(power + 1));
    }
    return layout;
}

}  // namespace rowsweep
