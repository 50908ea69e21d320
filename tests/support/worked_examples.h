#pragma once

// Matrices worked through by hand, with the text of every snapshot after
// them: the same table checks the engine alone and the real windows.

#include <array>

#include "rowsweep/engine/matrix.h"

namespace rowsweep::testing {

using Rows = std::array<std::array<const char*, kColumns>, kRows>;

struct WorkedExample {
    const char* name;  // a test-name fragment: letters and digits only
    Rows input;
    std::array<Rows, 6> snapshots;  // Step 1 .. Step 5, Answer
    bool warns;                     // the third result row is not all zero
};

inline constexpr Rows kSampleInput{
    {{"1", "-2", "3", "0", "4", "1"}, {"4", "-7", "2", "1", "0", "3"}, {"3", "-5", "-1", "1", "-4", "2"}}};
inline constexpr Rows kSampleStep4{
    {{"1", "0", "-17", "2", "-28", "-1"}, {"0", "1", "-10", "1", "-16", "-1"}, {"0", "1", "-10", "1", "-16", "-1"}}};
inline constexpr Rows kColumnZero{
    {{"0", "1", "0", "0", "0", "1"}, {"0", "2", "0", "0", "0", "2"}, {"0", "3", "0", "0", "0", "3"}}};

namespace worked {

inline constexpr Rows kZeros{{{"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0", "0"}}};
inline constexpr Rows kEmpty{{{"", "", "", "", "", ""}, {"", "", "", "", "", ""}, {"", "", "", "", "", ""}}};
inline constexpr Rows kExchangeFirst{
    {{"1", "2", "3", "4", "5", "6"}, {"0", "1", "2", "3", "4", "5"}, {"1", "1", "1", "1", "1", "1"}}};
inline constexpr Rows kExchangeSecond{
    {{"1", "2", "3", "4", "5", "6"}, {"0", "1", "2", "3", "4", "5"}, {"0", "-1", "-2", "-3", "-4", "-5"}}};
inline constexpr Rows kExchangeStep4{
    {{"1", "0", "-1", "-2", "-3", "-4"}, {"0", "1", "2", "3", "4", "5"}, {"0", "-1", "-2", "-3", "-4", "-5"}}};
inline constexpr Rows kExchangeAnswer{
    {{"1", "0", "-1", "-2", "-3", "-4"}, {"0", "1", "2", "3", "4", "5"}, {"0", "0", "0", "0", "0", "0"}}};
inline constexpr Rows kLastRowFirst{
    {{"1", "0", "0", "0", "0", "1"}, {"0", "0", "2", "0", "0", "2"}, {"0", "0", "1", "0", "0", "1"}}};
inline constexpr Rows kColumnZeroStep4{
    {{"0", "0", "0", "0", "0", "0"}, {"0", "2", "0", "0", "0", "2"}, {"0", "3", "0", "0", "0", "3"}}};
inline constexpr Rows kColumnZeroStep5{
    {{"0", "0", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "1"}, {"0", "3", "0", "0", "0", "3"}}};
inline constexpr Rows kColumnZeroAnswer{
    {{"0", "0", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "1"}, {"0", "0", "0", "0", "0", "0"}}};
inline constexpr Rows kIdentityLike{
    {{"1", "0", "0", "0", "0", "1"}, {"0", "1", "0", "0", "0", "2"}, {"0", "0", "1", "0", "0", "3"}}};
// Row 1 has nothing in column 1, so stage 5 adds row 2 scaled to a 1
// instead of exchanging the rows.
inline constexpr Rows kAddsRowTwo{
    {{"1", "0", "0", "0", "0", "0"}, {"0", "0", "1", "0", "0", "1"}, {"0", "4", "0", "0", "2", "8"}}};
inline constexpr Rows kAddsRowTwoStep5{
    {{"1", "0", "0", "0", "0", "0"}, {"0", "1", "1", "0", "0.5", "3"}, {"0", "4", "0", "0", "2", "8"}}};
// Stage 4 clears column 1 of row 0 with row 1, because row 2 has 0 there.
inline constexpr Rows kClearsWithRowOne{
    {{"1", "2", "0", "0", "0", "1"}, {"0", "1", "0", "0", "0", "1"}, {"0", "0", "1", "0", "0", "1"}}};
inline constexpr Rows kClearsWithRowOneStep4{
    {{"1", "0", "0", "0", "0", "-1"}, {"0", "1", "0", "0", "0", "1"}, {"0", "0", "1", "0", "0", "1"}}};
// Clearing with row 2 leaves a rounding residue in column 1 of row 0
// (0.7 - 0.3 * (0.7 / 0.3)), which row 1 then clears into column 5.
inline constexpr Rows kClearsWithBothRows{
    {{"1", "0.7", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "1"}, {"0", "0.3", "1", "0", "0", "0"}}};
inline constexpr Rows kClearsWithBothRowsStep4{{{"1", "0", "-2.33333333333333", "0", "0", "1.11022302462516e-16"},
                                                {"0", "1", "0", "0", "0", "1"},
                                                {"0", "0.3", "1", "0", "0", "0"}}};
inline constexpr Rows kClearsWithBothRowsAnswer{{{"1", "0", "-2.33333333333333", "0", "0", "1.11022302462516e-16"},
                                                 {"0", "1", "0", "0", "0", "1"},
                                                 {"0", "0", "1", "0", "0", "-0.3"}}};
inline constexpr Rows kAddsRowTwoAnswer{
    {{"1", "0", "0", "0", "0", "0"}, {"0", "1", "1", "0", "0.5", "3"}, {"0", "0", "-4", "0", "0", "-4"}}};

}  // namespace worked

inline constexpr WorkedExample kWorkedExamples[] = {
    {"Sample",
     kSampleInput,
     {kSampleInput,
      {{{"1", "-2", "3", "0", "4", "1"}, {"0", "1", "-10", "1", "-16", "-1"}, {"3", "-5", "-1", "1", "-4", "2"}}},
      {{{"1", "-2", "3", "0", "4", "1"}, {"0", "1", "-10", "1", "-16", "-1"}, {"0", "1", "-10", "1", "-16", "-1"}}},
      kSampleStep4,
      kSampleStep4,
      {{{"1", "0", "-17", "2", "-28", "-1"}, {"0", "1", "-10", "1", "-16", "-1"}, {"0", "0", "0", "0", "0", "0"}}}},
     false},
    {"AllEmpty", worked::kEmpty, {worked::kZeros, worked::kZeros, worked::kZeros, worked::kZeros, worked::kZeros,
                                  worked::kZeros},
     false},
    {"ExchangesFirstTwoRows",
     {{{"0", "1", "2", "3", "4", "5"}, {"2", "4", "6", "8", "10", "12"}, {"1", "1", "1", "1", "1", "1"}}},
     {worked::kExchangeFirst, worked::kExchangeFirst, worked::kExchangeSecond, worked::kExchangeStep4,
      worked::kExchangeStep4, worked::kExchangeAnswer},
     false},
    {"ExchangesFirstAndLastRow",
     {{{"0", "0", "1", "0", "0", "1"}, {"0", "0", "2", "0", "0", "2"}, {"3", "0", "0", "0", "0", "3"}}},
     {worked::kLastRowFirst, worked::kLastRowFirst, worked::kLastRowFirst, worked::kLastRowFirst,
      worked::kLastRowFirst, worked::kLastRowFirst},
     true},
    {"FirstColumnZero",
     kColumnZero,
     {kColumnZero, kColumnZero, kColumnZero, worked::kColumnZeroStep4, worked::kColumnZeroStep5,
      worked::kColumnZeroAnswer},
     false},
    {"ThirdRowLeftNonZero",
     worked::kIdentityLike,
     {worked::kIdentityLike, worked::kIdentityLike, worked::kIdentityLike, worked::kIdentityLike,
      worked::kIdentityLike, worked::kIdentityLike},
     true},
    {"SecondPivotFromRowTwo",
     worked::kAddsRowTwo,
     {worked::kAddsRowTwo, worked::kAddsRowTwo, worked::kAddsRowTwo, worked::kAddsRowTwo, worked::kAddsRowTwoStep5,
      worked::kAddsRowTwoAnswer},
     true},
    {"ClearsWithRowOne",
     worked::kClearsWithRowOne,
     {worked::kClearsWithRowOne, worked::kClearsWithRowOne, worked::kClearsWithRowOne, worked::kClearsWithRowOneStep4,
      worked::kClearsWithRowOneStep4, worked::kClearsWithRowOneStep4},
     true},
    {"ClearsWithBothRows",
     worked::kClearsWithBothRows,
     {worked::kClearsWithBothRows, worked::kClearsWithBothRows, worked::kClearsWithBothRows,
      worked::kClearsWithBothRowsStep4, worked::kClearsWithBothRowsStep4, worked::kClearsWithBothRowsAnswer},
     true},
};

}  // namespace rowsweep::testing
