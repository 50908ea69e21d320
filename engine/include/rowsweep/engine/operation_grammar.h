#pragma once

// A row operation as a student types it in the textbook notation, read
// from UTF-8 text: "R2 -> R2 - 4R1", "R1 <-> R3", "R3 -> 1/2 R3", with
// blanks anywhere, R or r, -> or →, <-> or ↔, - or −, * optional, and a
// factor written as an integer, a decimal (read exactly) or a fraction, in
// parentheses or not. The left side may be left out ("R2 - 4R1",
// "-1/2 R3"); then the first row written is the one that changes.

#include <string_view>
#include <variant>

#include "rowsweep/engine/practice_operation.h"

namespace rowsweep {

// Lines longer than this, in characters, are no operation.
inline constexpr int kLongestOperationLine = 200;

struct OperationRefusal {
    enum class Reason {
        NotAnOperation,
        NoSuchRow,           // `row` as written, outside 1..3
        MultiplyByZero,
        NotOneRowAtATime,    // a row added to itself, or a left side that is not the row changed
        ExchangeWithItself,  // `row` counted from 1
    };
    Reason reason = Reason::NotAnOperation;
    int row = 0;

    friend bool operator==(const OperationRefusal&, const OperationRefusal&) = default;
};

// The operation, or why the text is none; never part of one.
[[nodiscard]] std::variant<PracticeOperation, OperationRefusal> readOperation(std::string_view text);

}  // namespace rowsweep
