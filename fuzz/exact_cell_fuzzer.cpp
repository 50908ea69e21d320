// Feeds arbitrary bytes to the exact cell conversions.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "rational_gmp.h"
#include "rowsweep/engine/cell_text.h"
#include "rowsweep/engine/exact_text.h"
#include "rowsweep/engine/written_exact.h"

namespace {

using rowsweep::detail::RationalGmp;

std::optional<mpq_class> parseExactCellText(std::string_view text, bool fractions)
{
    const std::optional<rowsweep::Rational> value = rowsweep::parseExactCellText(text, fractions);
    return value ? std::optional(RationalGmp::gmpValue(*value)) : std::nullopt;
}

std::string formatExactCellText(const mpq_class& value)
{
    return rowsweep::writtenText(rowsweep::writtenNumber(RationalGmp::fromGmp(mpq_class(value))));
}

std::string exactDecimalText(const mpq_class& value)
{
    return rowsweep::exactDecimalText(RationalGmp::fromGmp(mpq_class(value)));
}

// The double a decimal reads as is the one nearest its exact value: no
// neighbour of it lies closer, and 0 only for a value no larger than half
// the smallest double, which rounds to it.
void checkNearest(const mpq_class& exact, double value)
{
    if (value == 0.0) {
        ROWSWEEP_FUZZ_REQUIRE(2 * abs(exact) <= mpq_class(std::numeric_limits<double>::denorm_min()));
        return;
    }
    const mpq_class distance = abs(exact - mpq_class(value));
    for (const double towards : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        const double neighbour = std::nextafter(value, towards);
        if (std::isfinite(neighbour))
            ROWSWEEP_FUZZ_REQUIRE(distance <= abs(exact - mpq_class(neighbour)));
    }
}

// What is written reads back: as the same value when written as an integer
// or a fraction, within its 15 digits when written as a decimal, which
// happens only to values whose numerator or denominator is too long to
// write (10^15 and over, or over 1,000,000). A written decimal whose
// exponent is beyond the digits Exact Fractions takes is not read at all.
void checkWriteReadsBack(const mpq_class& value)
{
    const std::string text = formatExactCellText(value);
    const auto back = parseExactCellText(text, true);
    if (back && *back == value)
        return;
    ROWSWEEP_FUZZ_REQUIRE(text == exactDecimalText(value));
    ROWSWEEP_FUZZ_REQUIRE(cmp(value.get_den(), static_cast<long>(rowsweep::kLargestWrittenDenominator)) > 0
                          || mpz_cmpabs_ui(value.get_num_mpz_t(), rowsweep::kWrittenNumeratorBound) >= 0);
    if (back)
        ROWSWEEP_FUZZ_REQUIRE(abs(*back - value) <= abs(value) * mpq_class(1, 100000000000000));
}

void checkText(std::string_view text)
{
    // Without fractions the exact reader takes every text the double reader
    // takes but a value of more digits than it holds, which doubles read as
    // 0 or not at all, and beyond the double range what doubles do not
    // take; where both read a value they agree.
    const auto exact = parseExactCellText(text, false);
    const auto nearest = rowsweep::parseCellText(text);
    if (nearest && *nearest != 0.0)
        ROWSWEEP_FUZZ_REQUIRE(exact.has_value());
    if (exact && !nearest)
        ROWSWEEP_FUZZ_REQUIRE(abs(*exact) > mpq_class(std::numeric_limits<double>::max()));
    if (exact) {
        if (nearest)
            checkNearest(*exact, *nearest);
        checkWriteReadsBack(*exact);
        // A double is a fraction too, rounded by the C library just so.
        if (nearest && *nearest != 0.0) {
            char general[64];
            std::snprintf(general, sizeof general, "%.15g", *nearest);
            ROWSWEEP_FUZZ_REQUIRE(exactDecimalText(mpq_class(*nearest)) == general);
        }
    }

    const auto withFractions = parseExactCellText(text, true);
    if (text.find('/') == std::string_view::npos)
        ROWSWEEP_FUZZ_REQUIRE(withFractions == exact);
    else
        ROWSWEEP_FUZZ_REQUIRE(!exact.has_value());
    if (withFractions)
        checkWriteReadsBack(*withFractions);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkText({reinterpret_cast<const char*>(data), size});
    return 0;
}
