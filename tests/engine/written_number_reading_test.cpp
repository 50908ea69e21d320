// A typed cell text taken apart as typed: no digit of the value lost,
// none added.

#include <gtest/gtest.h>

#include "rowsweep/engine/written_number.h"
#include "written_pieces.h"

namespace rowsweep {
namespace {

using Kind = WrittenNumber::Kind;

TEST(WrittenNumberReadingTest, KeepsEveryDigitAsTyped)
{
    const std::pair<const char*, std::optional<WrittenNumber>> readings[] = {
        {"007", WrittenNumber{Kind::Integer, false, "7", {}, 0}},
        {" -0 ", WrittenNumber{Kind::Integer, false, "0", {}, 0}},
        {"-12345678901234567890", WrittenNumber{Kind::Integer, true, "12345678901234567890", {}, 0}},
        {"\t-0012.500e3", WrittenNumber{Kind::Decimal, true, "125", {}, 4}},
        {"+.05", WrittenNumber{Kind::Decimal, false, "5", {}, -2}},
        {"5.", WrittenNumber{Kind::Decimal, false, "5", {}, 0}},
        {"1E300", WrittenNumber{Kind::Decimal, false, "1", {}, 300}},
        // Exponents far beyond any bound keep their power, or are not taken apart.
        {"1e999999999", WrittenNumber{Kind::Decimal, false, "1", {}, 999999999}},
        {"-0.01e-999999999999999", WrittenNumber{Kind::Decimal, true, "1", {}, -1000000000000001}},
        {"1e9999999999999999", std::nullopt},
        {"-0.000e5", WrittenNumber{Kind::Decimal, false, "0", {}, 0}},
        {"3 / -4", WrittenNumber{Kind::Fraction, true, "3", "4", 0}},
        {"-6/-004", WrittenNumber{Kind::Fraction, false, "6", "4", 0}},
        {"-6/1", WrittenNumber{Kind::Integer, true, "6", {}, 0}},
        {"0/-5", WrittenNumber{Kind::Fraction, false, "0", "5", 0}},
        {"1/0", std::nullopt}, {"1.5/2", std::nullopt}, {"1/2/3", std::nullopt}, {"1,5", std::nullopt},
        {"1e", std::nullopt}, {"Infinity", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, expected] : readings) {
        const std::optional<WrittenNumber> read = readWrittenNumber(text);
        ASSERT_EQ(read.has_value(), expected.has_value()) << text;
        if (read) {
            EXPECT_EQ(piecesOf(*read), piecesOf(*expected)) << text;
        }
    }
}

}  // namespace
}  // namespace rowsweep
