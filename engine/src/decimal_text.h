#pragma once

// The pieces of the cell grammar and of the "%.15g" layout that the double
// and the exact conversions share, so that both read the same texts and
// lay out digits alike.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

#include "rowsweep/engine/written_number.h"

namespace rowsweep::detail {

[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

// A decimal literal of the cell grammar, taken apart.
struct DecimalLiteral {
    bool negative = false;
    std::string_view unsignedPart;    // what std::from_chars gets
    std::string_view integerDigits;   // before the point
    std::string_view fractionDigits;  // after it
    long long exponent = 0;           // clamped far beyond any double
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

// Room for any text layOutGeneral writes: a sign, 17 digits, "0.0000" and
// an exponent of up to 19 digits.
inline constexpr int kGeneralLayoutRoom = 48;

// "%.15g" keeps fixed notation while the first digit's power is -4 .. 14.
[[nodiscard]] constexpr bool takesAnExponent(long long power) noexcept
{
    return power < -4 || power >= kSignificantDigits;
}

// Lays out significant digits (no leading or trailing zeros, at most 15)
// the way "%.15g" does: fixed notation for powers -4..14, scientific
// otherwise with at least two exponent digits. `power` is the decimal power
// of the first digit. Returns the end of what was written.
char* layOutGeneral(char* out, std::string_view digits, long long power) noexcept;

// A number taken apart as WrittenNumber takes it, with its digits in
// buffers of its own, so that a cell's text is written without a
// WrittenNumber's strings. The bounds of a written number keep its digits
// within 17 and a denominator within 7.
struct NumberParts {
    WrittenNumber::Kind kind = WrittenNumber::Kind::Integer;
    bool negative = false;
    unsigned char digitCount = 0;
    unsigned char denominatorCount = 0;
    char digitBuffer[20];
    char denominatorBuffer[8];
    long long power = 0;
};

// An integer or fraction written exactly whose parts each fit a machine
// word: numerator below 10^15, denominator at most 10^6.
struct WordParts {
    bool negative;
    unsigned long numerator;    // its magnitude
    unsigned long denominator;  // 1 for an integer
};

[[nodiscard]] std::optional<WordParts> wordPartsOf(const mpq_class& value) noexcept;
[[nodiscard]] std::optional<WordParts> wordPartsOf(const SmallFraction& value) noexcept;

// Room for writeWordParts: a sign, 15 digits, a slash and 7 digits.
inline constexpr int kWordPartsRoom = 24;

// Writes "-n/d", "n/d" or "n" as the general writer does, and returns the
// end of what was written.
char* writeWordParts(char* out, const WordParts& parts) noexcept;

[[nodiscard]] NumberParts partsOf(double value) noexcept;
[[nodiscard]] NumberParts partsOf(const mpq_class& value);
[[nodiscard]] NumberParts partsOf(const SmallFraction& value);
[[nodiscard]] NumberParts decimalPartsOf(const mpq_class& value);

// The pieces as the writer reads them, from either form.
struct NumberView {
    WrittenNumber::Kind kind;
    bool negative;
    std::string_view digits;
    std::string_view denominator;
    long long power;
};

[[nodiscard]] inline NumberView viewOf(const NumberParts& parts) noexcept
{
    return {parts.kind, parts.negative, {parts.digitBuffer, parts.digitCount},
            {parts.denominatorBuffer, parts.denominatorCount}, parts.power};
}

// Room enough for writeNumber, which returns the end of what it wrote.
[[nodiscard]] std::size_t writtenLength(const NumberView& number) noexcept;
char* writeNumber(char* out, const NumberView& number) noexcept;
[[nodiscard]] std::string textOf(const NumberView& number);

}  // namespace rowsweep::detail
