#include "batch_options.h"

#include <algorithm>
#include <array>
#include <utility>

#include "rowsweep/engine/exercise.h"

namespace rowsweep::app {

namespace {

constexpr int kMostExercises = 1000;

constexpr std::array<std::pair<const char*, ExerciseKind>, 4> kKinds{{
    {"one", ExerciseKind::OneSolution},
    {"many", ExerciseKind::InfinitelyManySolutions},
    {"none", ExerciseKind::NoSolution},
    {"any", ExerciseKind::AnyKind},
}};

// A whole number from `low` to `high`, or none.
std::optional<int> numberBetween(const QString& text, int low, int high)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= low && number <= high ? std::optional<int>(number) : std::nullopt;
}

// The first of the tasks given, and a second one that clashes with it.
std::pair<QString, QString> tasksGiven(const GivenOptions& given)
{
    QStringList tasks;
    if (given.steps)
        tasks << QStringLiteral("--steps");
    if (given.sheet)
        tasks << QStringLiteral("--sheet");
    if (given.exercises)
        tasks << QStringLiteral("--exercises");
    return {tasks.value(0), tasks.value(1)};
}

// What is wrong with the options that go with a task, empty when nothing is.
QString mismatch(const GivenOptions& given, const QString& task)
{
    if (given.practice && !task.isEmpty())
        return QStringLiteral("--practice opens a window: it does not go with %1").arg(task);
    if (given.latex && given.pdf)
        return QStringLiteral("--latex and --pdf do not go together");
    if (given.latex && task != u"--steps")
        return QStringLiteral("--latex goes with --steps");
    if (given.pdf && task != u"--steps" && task != u"--sheet")
        return QStringLiteral("--pdf goes with --steps or --sheet");
    if (task == u"--sheet" && !given.pdf)
        return QStringLiteral("--sheet needs --pdf OUT");
    for (const auto& [option, value] : {std::pair{"--kind", given.kind}, std::pair{"--first", given.first}})
        if (value && task != u"--exercises")
            return QStringLiteral("%1 goes with --exercises").arg(QLatin1String(option));
    if (given.pdf && given.pdf->isEmpty())
        return QStringLiteral("--pdf needs a file name");
    if (task == u"--exercises" && !given.files.isEmpty())
        return QStringLiteral("unexpected argument '%1': --exercises reads no file").arg(given.files.constFirst());
    // Only --steps and --sheet read a file, and one at the most.
    const qsizetype files = task.isEmpty() ? 0 : 1;
    if (given.files.size() > files)
        return QStringLiteral("unexpected argument '%1'").arg(given.files.at(files));
    return {};
}

BatchChoice exercisesRequest(const GivenOptions& given)
{
    batch::Request request;
    request.task = batch::Task::Exercises;
    const std::optional<int> count = numberBetween(*given.exercises, 1, kMostExercises);
    if (!count)
        return QStringLiteral("--exercises takes a number from 1 to %1").arg(kMostExercises);
    request.exercises = *count;
    const std::optional<int> first =
        numberBetween(given.first.value_or(QString::number(kFirstExerciseNumber)), kFirstExerciseNumber, kLastExerciseNumber);
    if (!first)
        return QStringLiteral("--first takes a number from %1 to %2").arg(kFirstExerciseNumber).arg(kLastExerciseNumber);
    if (*first > kLastExerciseNumber - *count + 1)
        return QStringLiteral("%1 exercises from number %2 go past number %3").arg(*count).arg(*first).arg(kLastExerciseNumber);
    request.first = *first;
    if (given.kind) {
        const auto* kind = std::find_if(kKinds.begin(), kKinds.end(),
                                        [&given](const auto& named) { return *given.kind == QLatin1String(named.first); });
        if (kind == kKinds.end())
            return QStringLiteral("--kind takes one, many, none or any");
        request.kind = kind->second;
    }
    return std::optional<batch::Request>(request);
}

}  // namespace

BatchChoice batchRequest(const GivenOptions& given)
{
    const auto [task, clash] = tasksGiven(given);
    if (!clash.isEmpty())
        return QStringLiteral("%1 and %2 do not go together").arg(task, clash);
    if (const QString wrong = mismatch(given, task); !wrong.isEmpty())
        return wrong;
    if (task.isEmpty())
        return std::optional<batch::Request>();
    if (given.exercises)
        return exercisesRequest(given);
    batch::Request request;
    request.task = given.sheet ? batch::Task::Sheet : batch::Task::Steps;
    request.format = given.latex ? batch::StepsFormat::Latex
                     : given.pdf ? batch::StepsFormat::Pdf
                                 : batch::StepsFormat::Text;
    request.input = given.files.value(0);
    request.pdf = given.pdf.value_or(QString());
    return std::optional<batch::Request>(request);
}

}  // namespace rowsweep::app
