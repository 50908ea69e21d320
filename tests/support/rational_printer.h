#pragma once

#include <ostream>

#include "rowsweep/engine/rational.h"
#include "rowsweep/engine/written_exact.h"

namespace rowsweep {

// GoogleTest prints a failed comparison of exact values as a cell writes
// them, not as their bytes.
inline void PrintTo(const Rational& value, std::ostream* out)
{
    *out << writtenText(writtenNumber(value));
}

}  // namespace rowsweep
