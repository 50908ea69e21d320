#include "rowsweep/ui/desktop/arithmetic_setting.h"

#include <QSettings>

namespace rowsweep::ui {

namespace {

constexpr char kOrganisation[] = "Rowsweep";
constexpr char kApplication[] = "Rowsweep";
constexpr char kKey[] = "arithmetic";
constexpr char kExact[] = "exact";
constexpr char kFloatingPoint[] = "floating-point";

QSettings settings()
{
    return QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
}

steps::Arithmetic remembered()
{
    return settings().value(QString::fromLatin1(kKey)).toString() == QLatin1String(kExact)
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
    settings().setValue(QString::fromLatin1(kKey), QString::fromLatin1(arithmetic == steps::Arithmetic::Exact
                                                                           ? kExact
                                                                           : kFloatingPoint));
    if (arithmetic == value())
        return;
    value_ = arithmetic;
    emit changed(arithmetic);
}

}  // namespace rowsweep::ui
