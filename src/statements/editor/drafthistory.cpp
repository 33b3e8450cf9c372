#include "statements/editor/drafthistory.h"
#include "statements/ownquiz.h"

#include <QUndoCommand>

#include <algorithm>

namespace statements {

// One step: the whole draft before and after it. A draft is a few hundred
// short strings at most, shared until changed, so a step costs little and
// undo can never disagree with redo.
class DraftStep : public QUndoCommand {
public:
    DraftStep(DraftHistory& history, const QString& what, Draft before, Draft after, int row, int merge)
        : QUndoCommand(what), history_(history), before_(std::move(before)), after_(std::move(after)), row_(row),
          merge_(merge)
    {
    }
    void undo() override { history_.apply(before_, row_); }
    void redo() override { history_.apply(after_, row_); }
    int id() const override { return merge_; }
    // Typing into one field of one row is one step, not one a letter.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const DraftStep*>(other);
        if (next->row_ != row_)
            return false;
        after_ = next->after_;
        return true;
    }

private:
    DraftHistory& history_;
    Draft before_, after_;
    int row_;
    int merge_;
};

DraftHistory::DraftHistory(QObject* parent) : QObject(parent) {}

void DraftHistory::reset(const Draft& draft)
{
    stack.clear();
    draft_ = draft;
    emit changed(draft_.rows.empty() ? -1 : 0);
}

void DraftHistory::apply(const Draft& draft, int row)
{
    draft_ = draft;
    emit changed(std::min(row, int(draft_.rows.size()) - 1));
}

void DraftHistory::step(const QString& what, Draft after, int row, Merge merge)
{
    if (after == draft_)
        return;
    stack.push(new DraftStep(*this, what, draft_, std::move(after), row, merge));
}

int DraftHistory::addStatement(int after)
{
    if (int(draft_.rows.size()) >= MostStatements)
        return after;
    Draft next = draft_;
    const int at = std::clamp(after + 1, 0, int(next.rows.size()));
    next.rows.insert(next.rows.begin() + at, DraftRow{});
    step(tr("Add a statement"), std::move(next), at);
    return at;
}

void DraftHistory::changeRow(int row, Merge merge, const std::function<void(DraftRow&)>& change)
{
    if (row < 0 || row >= int(draft_.rows.size()))
        return;
    Draft next = draft_;
    DraftRow& changed = next.rows[std::size_t(row)];
    change(changed);
    changed.asRead.clear(); // once changed, the row is written from its fields
    changed.statementAsRead = QJsonValue(QJsonValue::Undefined);
    changed.line = 0;
    step(tr("Change a statement"), std::move(next), row, merge);
}

void DraftHistory::changeText(int row, const QString& text)
{
    changeRow(row, Text, [&](DraftRow& r) { r.text = text; });
}

void DraftHistory::changeAnswer(int row, const QString& answer)
{
    changeRow(row, NoMerge, [&](DraftRow& r) { r.answer = answer; });
}

void DraftHistory::changeReason(int row, const QString& reason)
{
    changeRow(row, Reason, [&](DraftRow& r) { r.reason = reason; });
}

int DraftHistory::moveStatement(int row, int by)
{
    const int to = row + by;
    if (row < 0 || row >= int(draft_.rows.size()) || to < 0 || to >= int(draft_.rows.size()))
        return row;
    Draft next = draft_;
    std::swap(next.rows[std::size_t(row)].notes, next.rows[std::size_t(to)].notes); // notes keep their place
    std::swap(next.rows[std::size_t(row)], next.rows[std::size_t(to)]);
    step(tr("Move a statement"), std::move(next), to);
    return to;
}

int DraftHistory::deleteStatement(int row)
{
    if (row < 0 || row >= int(draft_.rows.size()))
        return row;
    Draft next = draft_;
    const QStringList notes = next.rows[std::size_t(row)].notes;
    next.rows.erase(next.rows.begin() + row);
    // A note stays where it stood, before what now follows it.
    QStringList& keeper = row < int(next.rows.size()) ? next.rows[std::size_t(row)].notes : next.trailingNotes;
    keeper = notes + keeper;
    const int shown = std::min(row, int(next.rows.size()) - 1);
    step(tr("Delete a statement"), std::move(next), shown);
    return shown;
}

void DraftHistory::changeTitle(const QString& title)
{
    Draft next = draft_;
    next.title = title;
    step(tr("Change the title"), std::move(next), -1, Title);
}

void DraftHistory::changeInstruction(const QString& instruction)
{
    Draft next = draft_;
    next.instruction = instruction;
    step(tr("Change the instruction"), std::move(next), -1, Instruction);
}

void DraftHistory::changeChoices(const QStringList& captions)
{
    Draft next = draft_;
    next.choices = captions.mid(0, MostChoices);
    while (int(next.choices.size()) > FewestChoices && next.choices.back().trimmed().isEmpty())
        next.choices.removeLast();
    // An answer follows its choice's new name; a choice emptied leaves its answers to be mended.
    for (DraftRow& row : next.rows) {
        const auto old = std::find_if(draft_.choices.begin(), draft_.choices.end(),
                                      [&](const QString& c) { return !row.answer.isEmpty() && sameAnswer(c, row.answer); });
        const QString renamed = next.choices.value(int(old - draft_.choices.begin()));
        if (row.asRead.isEmpty() && row.statementAsRead.isUndefined() && old != draft_.choices.end()
            && !renamed.trimmed().isEmpty())
            row.answer = renamed;
    }
    step(tr("Change the choices"), std::move(next), -1);
}

} // namespace statements
