#include "labelling/editor/draftsteps.h"

namespace labelling {

AddPartStep::AddPartStep(LabelDraft& draft, int index, OwnLabel label)
    : QUndoCommand(QStringLiteral("add a part")), draft_(draft), index_(index), label_(std::move(label))
{
}
void AddPartStep::redo() { draft_.applyInsert(index_, label_); }
void AddPartStep::undo() { draft_.applyRemove(index_); }

DeleteStep::DeleteStep(LabelDraft& draft, int index)
    : QUndoCommand(QStringLiteral("delete a label")), draft_(draft), index_(index), label_(draft.label(index))
{
}
void DeleteStep::redo() { draft_.applyRemove(index_); }
void DeleteStep::undo() { draft_.applyInsert(index_, label_); }

LabelStep::LabelStep(LabelDraft& draft, int index, OwnLabel after, const QString& text, bool renames)
    : QUndoCommand(text), draft_(draft), index_(index), before_(draft.label(index)), after_(std::move(after)), renames_(renames)
{
}
void LabelStep::redo() { draft_.applyLabel(index_, after_, renames_); }
void LabelStep::undo() { draft_.applyLabel(index_, before_, renames_); }

namespace {
OwnLabel withBox(OwnLabel label, QRectF box)
{
    label.target = box;
    return label;
}
OwnLabel withPart(OwnLabel label, QPointF part)
{
    label.part = part;
    return label;
}
} // namespace

MoveBoxStep::MoveBoxStep(LabelDraft& draft, int index, QRectF box)
    : LabelStep(draft, index, withBox(draft.label(index), box), QStringLiteral("move an answer box"), false)
{
}

MovePartStep::MovePartStep(LabelDraft& draft, int index, QPointF part)
    : LabelStep(draft, index, withPart(draft.label(index), part), QStringLiteral("move a part"), false)
{
}

RenameStep::RenameStep(LabelDraft& draft, int index, OwnLabel after)
    : LabelStep(draft, index, std::move(after), QStringLiteral("type an answer"), true)
{
}

bool RenameStep::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const RenameStep*>(other);
    if (next->index_ != index_)
        return false;
    after_ = next->after_;
    return true;
}

TextStep::TextStep(LabelDraft& draft, LabelDraft::Text field, int index, QString text)
    : QUndoCommand(QStringLiteral("type a text")), draft_(draft), field_(field), index_(index),
      before_(draft.text(field, index)), after_(std::move(text))
{
}

bool TextStep::mergeWith(const QUndoCommand* other)
{
    after_ = static_cast<const TextStep*>(other)->after_;
    return true;
}

PictureStep::PictureStep(LabelDraft& draft, EmbeddedPicture picture, std::vector<OwnLabel> labels)
    : QUndoCommand(QStringLiteral("choose the picture")), draft_(draft),
      before_{draft.activity().picture, draft.activity().pictureType, draft.pictureSize(), draft.picture()},
      after_(std::move(picture)),
      beforeLabels_(draft.activity().labels), afterLabels_(std::move(labels))
{
}

} // namespace labelling
