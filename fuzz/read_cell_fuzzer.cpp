// Feeds arbitrary bytes to the cell text conversions.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "rowsweep/engine/cell_text.h"

namespace {

using rowsweep::parseCellText;

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Forms that can never be a number: any character a decimal literal does
// not use, so any letter but a single exponent marker (no infinity, NaN or
// hexadecimal spelling).
bool hasNonNumberForm(std::string_view trimmed)
{
    const auto markers = std::count_if(trimmed.begin(), trimmed.end(), [](char c) { return c == 'e' || c == 'E'; });
    return trimmed.find_first_not_of("0123456789+-.eE") != std::string_view::npos || markers > 1;
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string format(double value)
{
    return rowsweep::writtenText(rowsweep::writtenNumber(value));
}

// A written value reads back, zero exactly when it was zero, and writing
// what was read gives the same text again. The text is what "%.15g" prints
// in the C locale, except for zero and for the few largest doubles, whose
// 15-digit form would not read back; those must read back exactly.
void checkWriteReadsBack(double value)
{
    const std::string text = format(value);
    char general[64];
    std::snprintf(general, sizeof general, "%.15g", value);
    if (value != 0.0 && parseCellText(general).has_value())
        ROWSWEEP_FUZZ_REQUIRE(text == general);
    else if (value != 0.0)
        ROWSWEEP_FUZZ_REQUIRE(parseCellText(text) == value);
    const auto back = parseCellText(text);
    ROWSWEEP_FUZZ_REQUIRE(back.has_value());
    ROWSWEEP_FUZZ_REQUIRE(rowsweep::isZero(*back) == (value == 0.0));
    ROWSWEEP_FUZZ_REQUIRE(std::fabs(*back - value) <= std::fabs(value) * 1e-14);
    ROWSWEEP_FUZZ_REQUIRE(format(*back) == text);
}

void checkText(std::string_view text)
{
    const auto value = parseCellText(text);
    const std::string_view trimmed = trimBlanks(text);
    if (hasNonNumberForm(trimmed)) {
        ROWSWEEP_FUZZ_REQUIRE(!value.has_value());
        return;
    }

    // Only decimal characters are left, so the C library's conversion in
    // the C locale is an independent judge of both the grammar and the
    // rounding: a whole literal that stays finite must read as exactly
    // the same double, sign of zero included.
    const std::string literal(trimmed);
    char* end = nullptr;
    const double expected = std::strtod(literal.c_str(), &end);
    const bool whole = !literal.empty() && end == literal.c_str() + literal.size();
    const bool number = whole && std::isfinite(expected);
    ROWSWEEP_FUZZ_REQUIRE(value.has_value() == number);
    if (!value)
        return;
    ROWSWEEP_FUZZ_REQUIRE(std::isfinite(*value));
    ROWSWEEP_FUZZ_REQUIRE(sameDouble(*value, expected));
    checkWriteReadsBack(*value);
}

void checkBitPattern(const std::uint8_t* data)
{
    double value;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
        checkWriteReadsBack(value);
        return;
    }
    ROWSWEEP_FUZZ_REQUIRE(!parseCellText(format(value)).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkText({reinterpret_cast<const char*>(data), size});
    if (size >= sizeof(double))
        checkBitPattern(data);
    return 0;
}
