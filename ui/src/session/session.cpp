#include "rowsweep/ui/session/session.h"

#include <QSettings>

#include "rowsweep/steps/solve.h"

namespace rowsweep::ui {

namespace {

constexpr char kKey[] = "arithmetic";
constexpr char kExact[] = "exact";
constexpr char kFloatingPoint[] = "floating-point";

void remember(steps::Arithmetic arithmetic)
{
    QSettings().setValue(QString::fromLatin1(kKey),
                         QString::fromLatin1(arithmetic == steps::Arithmetic::Exact ? kExact : kFloatingPoint));
}

}  // namespace

steps::Arithmetic rememberedArithmetic()
{
    return QSettings().value(QString::fromLatin1(kKey)).toString() == QLatin1String(kExact)
               ? steps::Arithmetic::Exact
               : steps::Arithmetic::FloatingPoint;
}

Session::Session(std::optional<steps::Arithmetic> forThisRun, QObject* parent)
    : QObject(parent)
    , arithmetic_(forThisRun)
{
}

steps::Arithmetic Session::arithmetic() const
{
    if (!arithmetic_)
        arithmetic_ = rememberedArithmetic();
    return *arithmetic_;
}

void Session::solve(const steps::CellTexts& texts)
{
    input_ = texts;
    current_ = std::make_shared<const steps::WorkedSolution>(steps::solveCells(texts, arithmetic()));
    // A copy of its own: an observer may clear the session while the
    // others still read what was solved.
    const Solution solution = current_;
    emit solved(solution);
    if (solution->warned)
        emit warned();
}

void Session::clear()
{
    current_.reset();
    input_ = {};
    emit cleared();
}

void Session::setArithmetic(steps::Arithmetic arithmetic)
{
    // Read what was in effect before the choice overwrites it.
    const bool changes = arithmetic != this->arithmetic();
    remember(arithmetic);
    if (!changes)
        return;
    arithmetic_ = arithmetic;
    emit arithmeticChanged(arithmetic);
    if (current_)
        solve(input_);
}

void Session::showReducedForm()
{
    if (current_)
        emit reducedFormWanted();
}

}  // namespace rowsweep::ui
