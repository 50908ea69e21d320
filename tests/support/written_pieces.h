#pragma once

#include <tuple>

#include "rowsweep/engine/written_number.h"

namespace rowsweep {

// A written number's pieces compared and printed as one, for tables.
inline auto piecesOf(const WrittenNumber& number)
{
    return std::tie(number.kind, number.negative, number.digits, number.denominator, number.power);
}

}  // namespace rowsweep
