#pragma once
// The teacher's picture on the editor's screen, laid out as it will be
// played, with each label's answer box, the ring on its part and the leader
// line between them. A tap on the picture adds a part; boxes and rings are
// dragged (or moved with the arrow keys; Shift moves the ring) and the
// draft decides whether a move stands: a refused box springs back.

#include "labelling/editor/draft.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/picturecontrols.h"

namespace forms { class Screen; }

namespace labelling {

// The ring that marks the part a label names; its centre is the part.
class PartMark : public forms::Control {
    Q_OBJECT
public:
    PartMark(QWidget* parent, const QString& name, int index);
    void setChosen(bool chosen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool chosen_ = false;
};

// The cross the keyboard moves over the picture; its centre is the point.
class PictureCursor : public forms::Control {
    Q_OBJECT
public:
    PictureCursor(QWidget* parent, const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class PictureBoard : public QObject {
    Q_OBJECT
public:
    PictureBoard(forms::Screen& screen, LabelDraft& draft, const forms::TwipRect& area);

    forms::Image& picture;
    forms::ControlGroup<forms::Line> leaders{QStringLiteral("leaders")};
    forms::ControlGroup<PartMark> parts{QStringLiteral("parts")};
    forms::ControlGroup<forms::Label> boxes{QStringLiteral("boxes")};
    PictureCursor& cursor;

    // Where the keyboard's cross stands, in screen twips.
    QPointF cursorAt() const { return cursorAt_; }
    // What a screen reader hears of the picture.
    QString pictureName() const;

    // The label being worked on, or -1.
    int chosen() const { return chosen_; }
    void choose(int index);

    // Between a point of the screen (twips) and a pixel of the picture.
    QPointF toPicture(QPointF twips) const;
    QPointF toScreen(QPointF pixel) const;
    QRectF toScreen(const QRectF& box) const;

    // Everything laid out again from the draft.
    void layOut();
    // The picture and its labels shown, or hidden under something laid over them.
    void setShown(bool shown);
    // Where what is typed on a box or a ring goes: the chosen label's answer,
    // so that a teacher who taps a box and types loses nothing.
    void sendTypingTo(QWidget& field) { typing_ = &field; }

signals:
    void chosenChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Held { Nothing, Box, Part, Picture };
    void placeLabel(int index);
    void placeLeader(int index, const QRectF& box, QPointF part);
    void press(Held what, int index, QPointF pointer);
    void drag(QPointF pointer, int buttons);
    void release(QPointF pointer);
    bool keyPressed(int index, int key, bool shift);
    bool keyOnPicture(int key, bool fine);
    void placeCursor(QPointF at);

    forms::Screen& screen_;
    LabelDraft& draft_;
    forms::TwipRect area_;
    forms::TwipRect shown_; // where the picture lies, in screen twips
    int chosen_ = -1;
    // A drag under way: what is held, from where.
    Held held_ = Held::Nothing;
    int heldIndex_ = -1;
    QPointF heldFrom_, heldOrigin_;
    bool heldMoved_ = false;
    QPointF cursorAt_;
    bool visible_ = true;
    QWidget* typing_ = nullptr;
};

} // namespace labelling
