#pragma once

#include <array>
#include <string_view>

#include "rowsweep/engine/matrix.h"

namespace rowsweep {

// The example that "Sample" types into the input grid: a consistent system
// whose third row reduces to zero.
inline constexpr std::array<std::array<std::string_view, kColumns>, kRows> kSampleMatrix{{
    {"1", "-2", "3", "0", "4", "1"},
    {"4", "-7", "2", "1", "0", "3"},
    {"3", "-5", "-1", "1", "-4", "2"},
}};

}  // namespace rowsweep
