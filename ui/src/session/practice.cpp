#include "rowsweep/ui/session/practice.h"

#include <utility>
#include <variant>

#include <QRandomGenerator>
#include <QUndoCommand>

#include "rowsweep/engine/operation_grammar.h"
#include "rowsweep/engine/reduced_form.h"
#include "rowsweep/steps/practice_words.h"
#include "rowsweep/steps/solve.h"

namespace rowsweep::ui {

namespace {

using steps::PracticeState;

// One operation taken: the matrix before it is all its undo needs.
class TakeOperation final : public QUndoCommand {
public:
    TakeOperation(Practice& practice, PracticeOperation operation)
        : practice_(practice)
        , operation_(std::move(operation))
        , before_(practice.matrix())
    {
    }

    void redo() override
    {
        PracticeState state = practice_.state();
        state.operations.push_back(operation_);
        applyOperation(operation_, state.matrix);
        practice_.setState(std::move(state));
    }
    void undo() override
    {
        PracticeState state = practice_.state();
        state.operations.pop_back();
        state.matrix = before_;
        practice_.setState(std::move(state));
    }

private:
    Practice& practice_;
    PracticeOperation operation_;
    ExactMatrix before_;
};

// Restart, From Input and New Exercise: a new start, the history emptied.
class NewStart final : public QUndoCommand {
public:
    NewStart(Practice& practice, PracticeState after)
        : practice_(practice)
        , before_(practice.state())
        , after_(std::move(after))
    {
    }

    void redo() override { practice_.setState(after_); }
    void undo() override { practice_.setState(before_); }

private:
    Practice& practice_;
    PracticeState before_;
    PracticeState after_;
};

PracticeState startingAt(const ExactMatrix& matrix, const UnknownsInUse& inUse)
{
    PracticeState state;
    state.start = matrix;
    state.matrix = matrix;
    state.inUse = inUse;
    return state;
}

}  // namespace

Practice::Practice(QObject* parent)
    : QObject(parent)
{
    // An undo or redo leaves the feedback of the step it passes behind.
    connect(&undoStack_, &QUndoStack::indexChanged, this, [this] {
        if (!pushing_)
            setFeedback({});
    });
}

QStringList Practice::history() const
{
    QStringList lines;
    for (const PracticeOperation& operation : state_.operations)
        lines << steps::operationNotation(operation);
    return lines;
}

QString Practice::progressText() const
{
    const Progress progress = progressOf(state_.matrix);
    const Verdict verdict = progress.reduced() ? readVerdict(continueToReducedForm(state_.matrix), state_.inUse) : Verdict{};
    const steps::PracticeCount count{static_cast<int>(state_.operations.size()), gaussJordanFromStart_};
    return steps::progressLine(progress, count, verdict);
}

void Practice::startFromInput(const steps::CellTexts& input)
{
    const steps::ExactCells cells = steps::readExactCells(input);
    PracticeState state = startingAt(cells.matrix, cells.inUse);
    state.notes = steps::unreadNotes(cells.unread);
    const QString notes = state.notes.join(u'\n');
    start(std::move(state), notes);
}

void Practice::startExercise(ExerciseKind kind, std::optional<int> number)
{
    const Exercise exercise = makeExercise(
        number.value_or(QRandomGenerator::global()->bounded(kFirstExerciseNumber, kLastExerciseNumber + 1)), kind);
    PracticeState state = startingAt(entryWise(exercise.entries, [](int entry) { return Rational(entry); }),
                                     exercise.inUse);
    state.exercise = exercise.number;
    start(std::move(state), {});
}

void Practice::restart()
{
    PracticeState state = state_;
    state.operations.clear();
    state.matrix = state.start;
    start(std::move(state), {});
}

bool Practice::take(const QString& line)
{
    const auto read = readOperation(line.toStdString());
    if (const auto* refusal = std::get_if<OperationRefusal>(&read)) {
        setFeedback(steps::refusalSentence(*refusal));
        return false;
    }
    const Progress before = progressOf(state_.matrix);
    pushing_ = true;
    undoStack_.push(new TakeOperation(*this, std::get<PracticeOperation>(read)));
    pushing_ = false;
    setFeedback(steps::stepFeedback(before, progressOf(state_.matrix)));
    return true;
}

void Practice::hint()
{
    setFeedback(steps::hintLine(nextGaussJordanOperation(state_.matrix)));
}

void Practice::setState(PracticeState state)
{
    if (state.start != state_.start || !started_)
        gaussJordanFromStart_ = gaussJordanOperationCount(state.start);
    state_ = std::move(state);
    started_ = true;
    emit changed();
}

// The first start is no step: there is nothing to go back to.
void Practice::start(PracticeState state, const QString& feedback)
{
    if (started_) {
        pushing_ = true;
        undoStack_.push(new NewStart(*this, std::move(state)));
        pushing_ = false;
    } else {
        setState(std::move(state));
    }
    setFeedback(feedback);
}

void Practice::setFeedback(const QString& feedback)
{
    feedback_ = feedback;
    emit feedbackChanged(feedback_);
}

}  // namespace rowsweep::ui
