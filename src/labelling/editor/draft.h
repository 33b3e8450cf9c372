#pragma once
// The labelling activity being made, with its rules: at most ten labels,
// answer boxes inside the picture and clear of each other, parts on the
// picture. Every change a teacher makes is one step of the history, so it
// can be undone and redone; each step tells what changed through a signal.

#include "labelling/ownactivity.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QUndoStack>

namespace labelling {

// A picture ready to embed: its encoded bytes, "png" or "jpeg", its size.
struct EmbeddedPicture {
    QByteArray bytes;
    QString type;
    QSize size;
    QImage image{}; // the picture decoded, as the editor and "Try it" show it
};

class LabelDraft : public QObject {
    Q_OBJECT
public:
    explicit LabelDraft(QObject* parent = nullptr);

    // Starts over on `activity` (as read from a file), with no history;
    // `picture` is its picture already decoded, or null to decode it here.
    // False when its picture cannot be shown.
    bool reset(const OwnActivity& activity, QImage picture = {});

    const OwnActivity& activity() const { return activity_; }
    int count() const { return static_cast<int>(activity_.labels.size()); }
    const OwnLabel& label(int index) const { return activity_.labels.at(std::size_t(index)); }
    QSize pictureSize() const { return pictureSize_; }
    // The picture decoded once, when it was read or chosen.
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !pictureSize_.isEmpty(); }
    QUndoStack& history() { return history_; }
    const QUndoStack& history() const { return history_; }

    // The steps a teacher takes. Each is refused (false, with `refused`)
    // when it would break a rule; then nothing changes.
    bool addPart(QPointF part);
    bool moveBox(int index, QPointF topLeft); // kept inside the picture
    bool movePart(int index, QPointF part);   // kept on the picture
    bool rename(int index, const QString& answer);
    bool remove(int index);
    void setTitle(const QString& title) { setText(Text::Title, 0, title); }
    void setInstruction(const QString& instruction) { setText(Text::Instruction, 0, instruction); }

    // The texts a teacher types besides the answers: `index` numbers a wrong
    // answer (0 to MostDistractors - 1) or a label, for the fields that have one.
    enum class Text { Title, Instruction, Description, Distractor, PointsTo };
    Q_ENUM(Text)
    QString text(Text field, int index = 0) const;
    // Cut at the field's length, counted in characters as seen.
    void setText(Text field, int index, const QString& text);
    static int longest(Text field);

    // A new picture. `keepLabels`: the labels keep their places relative to
    // it, each box grown back to hold its answer where there is room; else
    // the activity starts again with no labels. One step either way.
    void setPicture(const EmbeddedPicture& picture, bool keepLabels = true);

    // Whether `box` lies inside the picture and overlaps no box but `ignoring`'s.
    bool fits(const QRectF& box, int ignoring = -1) const;
    // The box for `answer` near `part`, clear of the others, or empty when there is no room.
    QRectF freePlace(QPointF part, QSizeF size, int ignoring = -1) const;
    // An answer box's size for `answer`, in picture pixels.
    QSizeF boxSize(const QString& answer) const { return boxSize(answer, pictureSize_); }
    static QSizeF boxSize(const QString& answer, QSize picture);
    // Why the activity cannot be played or saved yet; empty when it can.
    QString unfinished() const;
    // The activity as it is saved and played: its texts trimmed.
    OwnActivity finished() const;

signals:
    void labelAdded(int index);
    void labelRemoved(int index);
    void labelMoved(int index);
    void labelRenamed(int index);
    void titleChanged(const QString& title);
    void instructionChanged(const QString& instruction);
    // The picture's description, a wrong answer or what a box points to.
    void extraChanged(LabelDraft::Text field, int index);
    void pictureChanged();
    // Anything above, and a reset.
    void changed();
    void refused(const QString& why);

private:
    // What the history's steps do and undo, and nothing else may: every
    // change is a step. Each emits the signals above.
    friend class AddPartStep;
    friend class DeleteStep;
    friend class LabelStep;
    friend class TextStep;
    friend class PictureStep;
    void applyInsert(int index, const OwnLabel& label);
    void applyRemove(int index);
    void applyLabel(int index, const OwnLabel& label, bool renamed);
    void applyText(Text field, int index, const QString& text);
    void applyPicture(const EmbeddedPicture& picture, const std::vector<OwnLabel>& labels);

    bool refuse(const QString& why);
    QPointF onPicture(QPointF point) const;

    OwnActivity activity_;
    QSize pictureSize_;
    QImage picture_;
    QUndoStack history_;
};

} // namespace labelling
