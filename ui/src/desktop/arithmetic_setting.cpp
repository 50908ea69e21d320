#include "rowsweep/ui/desktop/arithmetic_setting.h"

#include <QSettings>

namespace rowsweep::ui {

namespace {

constexpr char kKey[] = "arithmetic";
constexpr char kExact[] = "exact";
constexpr char kFloatingPoint[] = "floating-point";

steps::Arithmetic remembered()
{
    return QSettings().value(QString::fromLatin1(kKey)).toString() == QLatin1String(kExact)
               ? steps::Arithmetic::Exact
               : steps::Arithmetic::FloatingPoint;
}

}  // namespace

ArithmeticSetting::ArithmeticSetting(std::optional<steps::Arithmetic> forThisRun, QObject* parent)
    : QObject(parent)
    , value_(forThisRun)
{
}

steps::Arithmetic ArithmeticSetting::value() const
{
    if (!value_)
        value_ = remembered();
    return *value_;
}

void ArithmeticSetting::choose(steps::Arithmetic arithmetic)
{
    // Read what was in effect before the choice overwrites it.
    const bool changes = arithmetic != value();
    QSettings().setValue(QString::fromLatin1(kKey),
                         QString::fromLatin1(arithmetic == steps::Arithmetic::Exact ? kExact : kFloatingPoint));
    if (!changes)
        return;
    value_ = arithmetic;
    emit changed(arithmetic);
}

}  // namespace rowsweep::ui
