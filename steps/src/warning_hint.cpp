#include "rowsweep/steps/warning_hint.h"

#include <QCoreApplication>

namespace rowsweep::steps {

QString misleadingWarningHint(const WorkedSolution& solution)
{
    if (!solution.warningFromRounding)
        return {};
    return solution.residueBeyondRange ? rangeHint() : roundingHint();
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
