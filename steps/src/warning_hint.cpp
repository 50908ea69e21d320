#include "rowsweep/steps/warning_hint.h"

#include <QCoreApplication>

namespace rowsweep::steps {

QString misleadingWarningHint(const WorkedSolution& solution)
{
    if (!solution.warningFromRounding)
        return {};
    if (solution.inputBeyondRange)
        return readingHint();
    return solution.residueBeyondRange ? rangeHint() : roundingHint();
}

QString roundingHint()
{
    //: Explains a "Math error" that floating point's rounding caused; "Exact Fractions" is the cells' menu entry.
    return QCoreApplication::translate(
        "WarningHint",
        "In exact arithmetic row 3 is all zero: the warning comes from rounding. Exact Fractions is in a cell's menu.");
}

QString readingHint()
{
    //: Explains a "Math error" that came from a typed value floating point could not hold ("1e-400" read as 0); "Exact Fractions" is the cells' menu entry.
    return QCoreApplication::translate("WarningHint",
                                       "In exact arithmetic row 3 is all zero: floating point counted a value beyond its "
                                       "range as 0 (marked in red). Exact Fractions, in a cell's menu, reads it exactly.");
}

QString typedBeyondRangeHint()
{
    //: Under a floating-point result that a typed value beyond floating point's range ("1e400") changed; the verdict line reads that value exactly.
    return QCoreApplication::translate("WarningHint",
                                       "Floating point counted a value beyond its range as 0 (marked in red); the line "
                                       "below the result reads it exactly.");
}

QString rangeHint()
{
    //: Explains a "Math error" whose row 3 went beyond floating point's range; "Exact Fractions" is the cells' menu entry.
    return QCoreApplication::translate("WarningHint",
                                       "In exact arithmetic row 3 is all zero: the numbers went beyond the range of "
                                       "floating point. Exact Fractions, in a cell's menu, computes them exactly.");
}

}  // namespace rowsweep::steps
