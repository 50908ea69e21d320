#pragma once

// A number as Rowsweep writes it, taken apart once: the cell text, the
// LaTeX, the coefficients of a solution and the shortened drawing of a cell
// are all rendered from these pieces, so nothing ever searches a written
// number for its sign, exponent or slash.

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

#include "rowsweep/engine/small_fraction.h"

namespace rowsweep {

struct WrittenNumber {
    enum class Kind : unsigned char { Integer, Fraction, Decimal, Infinity, NotANumber };
    Kind kind = Kind::Integer;
    bool negative = false;  // never set for zero or NaN
    // Integer: its digits ("0" for zero). Fraction: the numerator's digits.
    // Decimal: the significant digits, without leading or trailing zeros
    // ("0" for zero); 15 at most, but for the few largest doubles, which
    // need 17 to stay within the double range.
    std::string digits;
    std::string denominator;  // Fraction only: its digits, never "1"
    long long power = 0;      // Decimal only: the decimal power of the first digit
};

// A decimal laid out as "%.15g" lays it out: fixed notation for powers
// -4 .. 14 ("0.0001875", "123.5"), otherwise one digit before the point
// and an exponent ("1.5e+20", "2.22044604925031e-16").
struct DecimalLayout {
    std::string integerPart;   // "0" when the value is below 1
    std::string fractionPart;  // empty when there is no point
    std::optional<long long> exponent;
};
[[nodiscard]] DecimalLayout layOutDecimal(const WrittenNumber& decimal);

// The bounds of an exact value written as "p" or "p/q": |p| below 10^15,
// as many digits as a floating-point cell shows, and q at most 1,000,000.
inline constexpr unsigned long kWrittenNumeratorBound = 1000000000000000UL;
static_assert(sizeof(unsigned long) >= 8, "a written numerator fits one limb");
inline constexpr unsigned long kLargestWrittenDenominator = 1000000;

// What formatCellText writes for a double: always a Decimal (zero
// included) or Infinity or NaN.

[[nodiscard]] WrittenNumber writtenNumber(double value);
// What formatExactCellText writes for an exact value: "p" or "p/q" in
// lowest terms while |p| < 10^15 and q <= 1,000,000, otherwise the value
// rounded to 15 significant digits, which is exact for a value of 15
// significant digits or fewer ("1e+300").
[[nodiscard]] WrittenNumber writtenNumber(const mpq_class& value);
[[nodiscard]] WrittenNumber writtenNumber(const SmallFraction& value);
// The value rounded (half to even) to 15 significant digits.
[[nodiscard]] WrittenNumber writtenDecimal(const mpq_class& value);

// The text a cell shows for it: "-7/4", "1e+300", "Infinity".
[[nodiscard]] std::string writtenText(const WrittenNumber& number);

}  // namespace rowsweep

namespace rowsweep {

// A cell text as the user typed it, taken apart without changing its value:
// an integer keeps all its digits, a decimal all its significant digits
// and its power, a fraction of two integers its numerator and denominator
// in the terms typed (the sign in front). Reads the cell grammar, blanks
// around allowed, without its limits on range; none for anything else,
// a fraction of decimals included.
[[nodiscard]] std::optional<WrittenNumber> readWrittenNumber(std::string_view text);

}  // namespace rowsweep
