#include "rowsweep/engine/cell_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "decimal_text.h"

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

}  // namespace

std::optional<double> parseCellText(std::string_view text) noexcept
{
    const auto literal = detail::scanDecimalLiteral(detail::trimBlanks(text));
    if (!literal)
        return std::nullopt;
    return detail::nearestDouble(*literal);
}

WrittenNumber writtenNumber(double value)
{
    using Kind = WrittenNumber::Kind;
    if (std::isnan(value))
        return {Kind::NotANumber, false, {}, {}, 0};
    if (std::isinf(value))
        return {Kind::Infinity, value < 0, {}, {}, 0};
    if (value == 0.0)
        return {Kind::Decimal, false, "0", {}, 0};  // minus zero too: a sign on zero only puzzles a reader

    const double magnitude = std::fabs(value);
    ShortestDigits digits;
    if (!(magnitude >= std::numeric_limits<double>::min() && roundToSignificantDigits(digits = shortestDigits(magnitude))))
        digits = roundedByTheLibrary(magnitude);
    if (magnitude > kNearLargestDouble && !readsBack(value < 0, digits))
        digits = shortestDigits(magnitude);
    return {Kind::Decimal, value < 0, std::string(digits.digits, static_cast<std::size_t>(digits.count)), {},
            digits.power};
}

bool readsBackAsZero(double value) noexcept
{
    return std::isfinite(value) && isZero(value);
}

}  // namespace rowsweep
