#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace rowsweep::detail {

namespace {

constexpr bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }
constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// Far beyond every double and what the exact reading takes, so that an
// exponent of up to 15 digits is kept as typed, and far below overflow.
constexpr long long kExponentClamp = 1000000000000000;

}  // namespace

std::string_view trimBlanks(std::string_view text) noexcept
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<DecimalLiteral> scanDecimalLiteral(std::string_view s) noexcept
{
    DecimalLiteral literal;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        literal.negative = s[i] == '-';
        ++i;
    }
    const std::size_t start = i;

    std::size_t integerDigits = 0;
    std::ptrdiff_t firstNonZero = -1;  // position among all mantissa digits
    while (i < s.size() && isDigit(s[i])) {
        if (firstNonZero < 0 && s[i] != '0')
            firstNonZero = static_cast<std::ptrdiff_t>(integerDigits);
        ++integerDigits;
        ++i;
    }
    std::size_t fractionDigits = 0;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            if (firstNonZero < 0 && s[i] != '0')
                firstNonZero = static_cast<std::ptrdiff_t>(integerDigits + fractionDigits);
            ++fractionDigits;
            ++i;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return std::nullopt;
    literal.integerDigits = s.substr(start, integerDigits);
    literal.fractionDigits = s.substr(i - fractionDigits, fractionDigits);

    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            exponentNegative = s[i] == '-';
            ++i;
        }
        if (i == s.size() || !isDigit(s[i]))
            return std::nullopt;
        // Zeros in the mantissa shift the power by up to the text's length,
        // so the clamp must lie that much further out, or a huge power
        // written after many leading zeros would pass for a tiny one.
        const long long clamp = kExponentClamp + static_cast<long long>(s.size());
        while (i < s.size() && isDigit(s[i])) {
            exponent = exponent * 10 + (s[i] - '0');
            if (exponent > clamp) {
                exponent = clamp;
                literal.exponentClamped = true;
            }
            ++i;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != s.size())
        return std::nullopt;

    literal.unsignedPart = s.substr(start);
    literal.exponent = exponent;
    literal.allZero = firstNonZero < 0;
    if (firstNonZero >= 0)
        literal.leadingDigitPower =
            static_cast<long long>(integerDigits) - 1 - firstNonZero + exponent;
    return literal;
}

std::optional<double> nearestDouble(const DecimalLiteral& literal) noexcept
{
    const std::string_view digits = literal.unsignedPart;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (literal.leadingDigitPower >= 0)
            return std::nullopt;  // beyond the largest double
        value = 0.0;  // nearer to zero than to the smallest denormal
    } else if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return literal.negative ? -value : value;
}

char* writeExponent(char* out, long long power) noexcept
{
    *out++ = 'e';
    *out++ = power < 0 ? '-' : '+';
    const unsigned long long magnitude =
        power < 0 ? 0ULL - static_cast<unsigned long long>(power) : static_cast<unsigned long long>(power);
    if (magnitude < 10)
        *out++ = '0';
    return std::to_chars(out, out + 20, magnitude).ptr;
}

char* layOutGeneral(char* out, std::string_view digits, long long power) noexcept
{
    const auto count = static_cast<long long>(digits.size());
    if (takesAnExponent(power)) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits.begin() + 1, digits.end(), out);
        }
        return writeExponent(out, power);
    }
    if (power < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -power - 1, '0');
        return std::copy(digits.begin(), digits.end(), out);
    }
    const long long integerDigits = power + 1;
    if (count <= integerDigits) {
        out = std::copy(digits.begin(), digits.end(), out);
        return std::fill_n(out, integerDigits - count, '0');
    }
    out = std::copy(digits.begin(), digits.begin() + integerDigits, out);
    *out++ = '.';
    return std::copy(digits.begin() + integerDigits, digits.end(), out);
}

}  // namespace rowsweep::detail
