#include "rowsweep/ui/cells/cell_history.h"

#include <memory>

#include "rowsweep/ui/cells/cell_edit.h"

namespace rowsweep::ui {

namespace {

constexpr int kTypingStep = 1;  // the id of typing steps, which merge
constexpr int kEnded = -1;      // a step that takes no more typing

// One step: what some cells held before it and hold after it.
class CellWrites final : public QUndoCommand {
public:
    // `done`: the cells already hold what is after, as after typing.
    CellWrites(std::vector<CellChange> changes, int typingRun, bool done, int epoch = 0, bool cut = false)
        : changes_(std::move(changes))
        , typingRun_(typingRun)
        , epoch_(epoch)
        , done_(done)
        , cut_(cut)
    {
    }

    void undo() override
    {
        for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
            change->cell->restore(change->before);
    }

    void redo() override
    {
        if (done_) {
            done_ = false;
            return;
        }
        for (const CellChange& change : changes_)
            change.cell->restore(change.after);
    }

    [[nodiscard]] int id() const override { return typingRun_ == kEnded ? -1 : kTypingStep; }

    // More typing in the same cell, before its focus moved.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto& next = static_cast<const CellWrites&>(*other);
        if (next.typingRun_ != typingRun_ || next.epoch_ != epoch_ || next.changes_.front().cell != changes_.front().cell)
            return false;
        changes_.front().after = next.changes_.front().after;
        // Typing that ends where it began is no step.
        setObsolete(changes_.front().after.text == changes_.front().before.text);
        return true;
    }

    [[nodiscard]] qsizetype characters() const
    {
        qsizetype count = 0;
        for (const CellChange& change : changes_)
            count += change.before.text.size() + change.after.text.size();
        return count;
    }

    [[nodiscard]] bool cut() const { return cut_; }

    // The same step, done, taking no more typing.
    [[nodiscard]] std::unique_ptr<CellWrites> ended() const
    {
        return std::make_unique<CellWrites>(changes_, kEnded, true, 0, cut_);
    }

private:
    std::vector<CellChange> changes_;  // never empty; a typing step changes one cell
    int typingRun_;
    int epoch_;  // typing after an undo starts a step of its own
    bool done_;
    bool cut_;  // a paste that did not fit whole
};

const CellWrites& stepAt(const QUndoStack& stack, int index)
{
    return static_cast<const CellWrites&>(*stack.command(index));
}

}  // namespace

CellHistory::CellHistory()
{
    stack_.setUndoLimit(kHistorySteps);
}

void CellHistory::write(std::vector<CellChange> changes, bool cut)
{
    std::erase_if(changes, [](const CellChange& change) { return change.before.text == change.after.text; });
    if (changes.empty())
        return;
    stack_.push(new CellWrites(std::move(changes), kEnded, false, 0, cut));
    keepWithinBudget();
}

bool CellHistory::latestStepWasCut() const
{
    return stack_.index() > 0 && stepAt(stack_, stack_.index() - 1).cut();
}

void CellHistory::typed(CellEdit& cell, CellContent before, CellContent after, int typingRun)
{
    if (before.text == after.text)
        return;
    if (stack_.canRedo())
        ++epoch_;
    stack_.push(new CellWrites({{&cell, std::move(before), std::move(after)}}, typingRun, true, epoch_));
    keepWithinBudget();
}

qsizetype CellHistory::characters() const
{
    qsizetype count = 0;
    for (int index = 0; index < stack_.count(); ++index)
        count += stepAt(stack_, index).characters();
    return count;
}

// Qt's stack drops old steps only by their number, so the steps kept are
// taken over into a new history, the oldest left out.
void CellHistory::keepWithinBudget()
{
    qsizetype count = characters();
    if (count <= kHistoryCharacters)
        return;
    int oldestKept = 0;
    while (oldestKept + 1 < stack_.count() && count > kHistoryCharacters)
        count -= stepAt(stack_, oldestKept++).characters();
    std::vector<std::unique_ptr<CellWrites>> kept;
    for (int index = oldestKept; index < stack_.count(); ++index)
        kept.push_back(stepAt(stack_, index).ended());
    stack_.clear();
    for (std::unique_ptr<CellWrites>& step : kept)
        stack_.push(step.release());
}

}  // namespace rowsweep::ui
