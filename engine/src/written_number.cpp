#include "rowsweep/engine/written_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "decimal_text.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"

namespace rowsweep {

namespace {

using detail::kSignificantDigits;

WrittenNumber decimal(bool negative, std::string_view digits, long long power)
{
    WrittenNumber number;
    number.kind = WrittenNumber::Kind::Decimal;
    number.negative = negative;
    number.digits.assign(digits);
    number.power = power;
    return number;
}

// Decimal digits and power of ten of a finite non-zero value in its
// shortest form that reads back exactly.
struct ShortestDigits {
    char digits[20];
    int count = 0;
    int power = 0;
};

ShortestDigits shortestDigits(double magnitude) noexcept
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    ShortestDigits shortest;
    const char* p = text;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            shortest.digits[shortest.count++] = *p;
    }
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, shortest.power);
    return shortest;
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
    ShortestDigits rounded;
    const char* p = text;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            rounded.digits[rounded.count++] = *p;
    }
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, rounded.power);
    while (rounded.count > 1 && rounded.digits[rounded.count - 1] == '0')
        --rounded.count;
    return rounded;
}

constexpr double kNearLargestDouble = 1.7976931348623e308;

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

std::size_t writtenLength(const WrittenNumber& number) noexcept
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
    // Digits, a point, up to four leading zeros, and "e-" with 19 digits.
    return sign + number.digits.size() + 1 + 5 + 21;
}

char* writeNumber(char* out, const WrittenNumber& number) noexcept
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

}  // namespace detail

WrittenNumber writtenNumber(double value)
{
    WrittenNumber number;
    if (std::isnan(value)) {
        number.kind = WrittenNumber::Kind::NotANumber;
        return number;
    }
    if (std::isinf(value)) {
        number.kind = WrittenNumber::Kind::Infinity;
        number.negative = value < 0;
        return number;
    }
    if (value == 0.0)
        return decimal(false, "0", 0);  // minus zero too: a sign on zero only puzzles a reader

    const double magnitude = std::fabs(value);
    ShortestDigits digits;
    if (!(magnitude >= std::numeric_limits<double>::min() && roundToSignificantDigits(digits = shortestDigits(magnitude))))
        digits = roundedByTheLibrary(magnitude);
    number = decimal(value < 0, {digits.digits, static_cast<std::size_t>(digits.count)}, digits.power);
    if (magnitude > kNearLargestDouble) {
        // Rounded to 15 digits, the few largest doubles would read back as
        // beyond the double range; their exact shortest form reads back.
        char text[detail::kGeneralLayoutRoom];
        const char* end = detail::writeNumber(text, number);
        if (!parseCellText({text, static_cast<std::size_t>(end - text)})) {
            digits = shortestDigits(magnitude);
            number.digits.assign(digits.digits, static_cast<std::size_t>(digits.count));
            number.power = digits.power;
        }
    }
    return number;
}

WrittenNumber writtenNumber(const mpq_class& value)
{
    const mpz_srcptr numerator = value.get_num_mpz_t();
    const mpz_srcptr denominator = value.get_den_mpz_t();
    // Below 10^15 and 10^6 each part fits a limb, and then the digits are
    // written without GMP's help.
    const mp_limb_t top = mpz_getlimbn(numerator, 0);
    const mp_limb_t below = mpz_getlimbn(denominator, 0);
    if (mpz_size(numerator) > 1 || top >= kWrittenNumeratorBound || mpz_size(denominator) > 1
        || below > kLargestWrittenDenominator)
        return writtenDecimal(value);

    WrittenNumber number;
    number.negative = mpz_sgn(numerator) < 0;
    char text[24];
    number.digits.assign(text, std::to_chars(text, text + sizeof text, top).ptr);
    if (below != 1) {
        number.kind = WrittenNumber::Kind::Fraction;
        number.denominator.assign(text, std::to_chars(text, text + sizeof text, below).ptr);
    }
    return number;
}

WrittenNumber writtenDecimal(const mpq_class& value)
{
    if (sgn(value) == 0)
        return decimal(false, "0", 0);
    const RoundedDigits rounded = roundToSignificantDigits(abs(value.get_num()), value.get_den());
    std::size_t count = kSignificantDigits;
    while (count > 1 && rounded.digits[count - 1] == '0')
        --count;
    return decimal(sgn(value) < 0, {rounded.digits, count}, rounded.power);
}

std::string writtenText(const WrittenNumber& number)
{
    std::string text(detail::writtenLength(number), '\0');
    text.resize(static_cast<std::size_t>(detail::writeNumber(text.data(), number) - text.data()));
    return text;
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
        layout.integerPart = "0";
        layout.fractionPart.assign(static_cast<std::size_t>(-power - 1), '0').append(digits);
    } else if (count <= power + 1) {
        layout.integerPart.assign(digits).append(static_cast<std::size_t>(power + 1 - count), '0');
    } else {
        layout.integerPart = digits.substr(0, static_cast<std::size_t>(power + 1));
        layout.fractionPart = digits.substr(static_cast<std::size_t>(power + 1));
    }
    return layout;
}

}  // namespace rowsweep
