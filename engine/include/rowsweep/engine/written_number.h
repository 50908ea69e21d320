#pragma once

// A number as Rowsweep writes it, taken apart once: the cell text, the
// LaTeX, the coefficients of a solution and the shortened drawing of a cell
// are all rendered from these pieces, so nothing ever searches a written
// number for its sign, exponent or slash.

#include <optional>
#include <string>
#include <string_view>

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
inline constexpr long long kWrittenNumeratorBound = 1000000000000000;
inline constexpr long long kLargestWrittenDenominator = 1000000;

// The text a cell shows for it: "-7/4", "1e+300", "Infinity".
[[nodiscard]] std::string writtenText(const WrittenNumber& number);

// A cell text as the user typed it, taken apart without changing its value:
// an integer keeps all its digits, a decimal all its significant digits
// and its power, a fraction of two integers its numerator and denominator
// in the terms typed (the sign in front). Reads the cell grammar, blanks
// around allowed, without its limits on range; none for anything else,
// a fraction of decimals included.
[[nodiscard]] std::optional<WrittenNumber> readWrittenNumber(std::string_view text);

// The value of a finite number that is not zero as decimal digits, for
// drawing it shortened: a decimal's own digits, an integer's without its
// trailing zeros, and the leading digits of a fraction's quotient, cut
// rather than rounded so that every digit shown is one of the value.
struct SignificantDigits {
    bool negative = false;
    std::string digits;    // no leading or trailing zeros
    long long power = 0;   // the decimal power of the first digit
    bool complete = true;  // the digits are all the value has
};
[[nodiscard]] std::optional<SignificantDigits> significantDigits(const WrittenNumber& number);

// 1 over a number written whole, without a point or a power of ten, as a
// student writes it: "1/4" for 4, "-1" for -1. None for anything else.
[[nodiscard]] std::optional<WrittenNumber> oneOver(const WrittenNumber& whole);

// Written as 1 or -1, which scales a row or an unknown without a number.
[[nodiscard]] bool isWrittenOne(const WrittenNumber& number) noexcept;

// Written as 0, which leaves a term out of an equation.
[[nodiscard]] bool isWrittenZero(const WrittenNumber& number) noexcept;

// Written as a whole number, "4" or "-12": a factor that needs no
// parentheses before a row.
[[nodiscard]] bool isWrittenWhole(const WrittenNumber& number) noexcept;

// Written in digits alone, with a point or without, but with no fraction
// bar and no power of ten: "2" or "0.5" reads as one with a letter after it.
[[nodiscard]] bool isWrittenInDigits(const WrittenNumber& number);

}  // namespace rowsweep
