#include "rowsweep/steps/warning_hint.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace rowsweep::steps {

QString misleadingWarningHint(const WorkedSolution& solution)
{
    const auto* floating = std::get_if<BasicSolve<double>>(&solution.solve);
    if (floating == nullptr || !solution.warningFromRounding)
        return {};
    const auto& row3 = floating->reduction.answer()[kRows - 1];
    const bool outOfRange = std::any_of(row3.begin(), row3.end(), [](double value) { return !std::isfinite(value); });
    return outOfRange ? rangeHint() : roundingHint();
}

QString roundingHint()
{
    //: Explains a "Math error" that floating point's rounding caused; "Exact Fractions" is the cells' menu entry.
    return QCoreApplication::translate(
        "WarningHint",
        "In exact arithmetic row 3 is all zero: the warning comes from rounding. Exact Fractions is in a cell's menu.");
}

QString rangeHint()
{
    //: Explains a "Math error" whose row 3 went beyond floating point's range; "Exact Fractions" is the cells' menu entry.
    return QCoreApplication::translate("WarningHint",
                                       "In exact arithmetic row 3 is all zero: the numbers went beyond the range of "
                                       "floating point. Exact Fractions, in a cell's menu, computes them exactly.");
}

}  // namespace rowsweep::steps
