#pragma once
// Editing a draft, step by step, each step undoable. Every change goes
// through here and is announced by `changed`; the undo stack's clean state is
// the draft as last saved or read.

#include "statements/editor/draft.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace statements {

class DraftHistory : public QObject {
    Q_OBJECT
public:
    explicit DraftHistory(QObject* parent = nullptr);

    const Draft& draft() const { return draft_; }
    // A fresh start: `draft` as read or saved, with nothing to undo.
    void reset(const Draft& draft);
    bool unsaved() const { return !stack.isClean(); }
    void markSaved() { stack.setClean(); }

    // Each returns the row to show afterwards.
    int addStatement(int after);
    void changeText(int row, const QString& text);
    void changeAnswer(int row, const QString& answer);
    void changeReason(int row, const QString& reason);
    int moveStatement(int row, int by);
    int deleteStatement(int row);
    void changeTitle(const QString& title);
    void changeInstruction(const QString& instruction);
    // Renaming a choice renames the answers that named it.
    void changeChoices(const QStringList& captions);

    QUndoStack stack;

signals:
    // The draft changed; `row` is the row to show (-1: keep the one shown).
    void changed(int row);

private:
    friend class DraftStep;
    enum Merge { NoMerge = -1, Text = 1, Reason, Title, Instruction };
    void step(const QString& what, Draft after, int row, Merge merge = NoMerge);
    void changeRow(int row, Merge merge, const std::function<void(DraftRow&)>& change);
    void apply(const Draft& draft, int row);

    Draft draft_;
};

} // namespace statements
