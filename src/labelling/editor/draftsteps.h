#pragma once
// The steps of a draft's history: each knows how to do and undo one change.
// Typing runs (a title, an instruction, one label's answer) merge into one
// step, so that "Undo" takes back the word typed, not one letter.

#include "labelling/editor/draft.h"

#include <QUndoCommand>

namespace labelling {

class AddPartStep : public QUndoCommand {
public:
    AddPartStep(LabelDraft& draft, int index, OwnLabel label);
    void redo() override;
    void undo() override;

private:
    LabelDraft& draft_;
    int index_;
    OwnLabel label_;
};

class DeleteStep : public QUndoCommand {
public:
    DeleteStep(LabelDraft& draft, int index);
    void redo() override;
    void undo() override;

private:
    LabelDraft& draft_;
    int index_;
    OwnLabel label_;
};

// One label before and after.
class LabelStep : public QUndoCommand {
public:
    LabelStep(LabelDraft& draft, int index, OwnLabel after, const QString& text, bool renames);
    void redo() override;
    void undo() override;

protected:
    LabelDraft& draft_;
    int index_;
    OwnLabel before_, after_;
    bool renames_;
};

class MoveBoxStep : public LabelStep {
public:
    MoveBoxStep(LabelDraft& draft, int index, QRectF box);
};

class MovePartStep : public LabelStep {
public:
    MovePartStep(LabelDraft& draft, int index, QPointF part);
};

class RenameStep : public LabelStep {
public:
    RenameStep(LabelDraft& draft, int index, OwnLabel after);
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
};

// Typing one of the activity's texts: a run of typing in one field is one step.
class TextStep : public QUndoCommand {
public:
    TextStep(LabelDraft& draft, LabelDraft::Text field, int index, QString text);
    void redo() override { draft_.applyText(field_, index_, after_); }
    void undo() override { draft_.applyText(field_, index_, before_); }
    // One id a field (and a label's or a wrong answer's number), so that two never merge.
    int id() const override { return 2 + int(field_) * (MostOwnLabels + 1) + index_; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    LabelDraft& draft_;
    LabelDraft::Text field_;
    int index_;
    QString before_, after_;
};

class PictureStep : public QUndoCommand {
public:
    PictureStep(LabelDraft& draft, EmbeddedPicture picture, std::vector<OwnLabel> labels);
    void redo() override { draft_.applyPicture(after_, afterLabels_); }
    void undo() override { draft_.applyPicture(before_, beforeLabels_); }

private:
    LabelDraft& draft_;
    EmbeddedPicture before_, after_;
    std::vector<OwnLabel> beforeLabels_, afterLabels_;
};

} // namespace labelling
