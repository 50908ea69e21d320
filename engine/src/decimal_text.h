#pragma once

// The pieces of the cell grammar and of the "%.15g" layout that the double
// and the exact conversions share, so that both read the same texts and
// lay out digits alike.

#include <cstddef>
#include <optional>
#include <string_view>

namespace rowsweep::detail {

[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

// A decimal literal of the cell grammar, taken apart.
struct DecimalLiteral {
    bool negative = false;
    std::string_view unsignedPart;    // what std::from_chars gets
    std::string_view integerDigits;   // before the point
    std::string_view fractionDigits;  // after it
    long long exponent = 0;           // clamped far beyond every double and kMostExactDigits
    bool exponentClamped = false;     // the exponent typed is beyond the clamp
    bool allZero = true;              // no digit other than 0
    long long leadingDigitPower = 0;  // decimal power of the first non-zero digit
};

// Blanks must already be trimmed.
[[nodiscard]] std::optional<DecimalLiteral> scanDecimalLiteral(std::string_view text) noexcept;

// The nearest double, or none beyond the double range; a literal too small
// to represent gives a signed zero.
[[nodiscard]] std::optional<double> nearestDouble(const DecimalLiteral& literal) noexcept;

// The significant digits of every text written as a decimal.
inline constexpr int kSignificantDigits = 15;

// The most significant digits a cell writes: 15, or 17 for the few
// largest doubles.
inline constexpr std::size_t kMostWrittenDigits = 17;

// Room for any text layOutGeneral writes of that many digits: a sign,
// the digits, "0.0000" and an exponent of up to 19 digits.
inline constexpr std::size_t kGeneralLayoutRoom = 48;

// "%.15g" keeps fixed notation while the first digit's power is -4 .. 14.
[[nodiscard]] constexpr bool takesAnExponent(long long power) noexcept
{
    return power < -4 || power >= kSignificantDigits;
}

// Lays out significant digits (no leading or trailing zeros, at most 17)
// the way "%.15g" does: fixed notation for powers -4..14, scientific
// otherwise with at least two exponent digits. `power` is the decimal power
// of the first digit. Returns the end of what was written.
char* layOutGeneral(char* out, std::string_view digits, long long power) noexcept;

}  // namespace rowsweep::detail
