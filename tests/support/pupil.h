#pragma once
// Drives a labelling screen with the mouse, as a pupil at the board does:
// press on an answer label, move the pointer, let go. Positions are screen
// twips; the pointer lands on the nearest pixel.

#include "labelling/activity.h"

#include <QTest>

namespace pupil {

inline QPoint pixelOf(QPointF twips, float scale)
{
    return {qRound(twips.x() / forms::twipsPerPixel(scale)), qRound(twips.y() / forms::twipsPerPixel(scale))};
}

// Presses on answer label i and moves the pointer to `pointer`, the button
// still held: the label's centre jumps to the pointer.
inline void pickUpAndMove(labelling::LabellingActivity& screen, int i, QPointF pointer)
{
    forms::Label& label = screen.answers(i);
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, label.rect().center());
    QTest::mouseMove(&label, label.mapFrom(&screen, pixelOf(pointer, screen.scale())));
}

// Lets go where the pointer already is: a release anywhere else would first
// drag the label there.
inline void letGo(labelling::LabellingActivity& screen, int i, QPointF pointer)
{
    forms::Label& label = screen.answers(i);
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, label.mapFrom(&screen, pixelOf(pointer, screen.scale())));
}

// The pointer that puts answer label i's top-left corner at `corner`.
inline QPointF pointerFor(const labelling::LabellingActivity& screen, int i, QPointF corner)
{
    const forms::Label& label = screen.answers(i);
    return corner + QPointF(label.twipWidth() / 2, label.twipHeight() / 2);
}

// Drags answer label i and lets go over the middle of target t.
inline void dropOnTarget(labelling::LabellingActivity& screen, int i, int t)
{
    const forms::TwipRect box = screen.targets(t).twips();
    const QPointF middle(box.left + box.width / 2, box.top + box.height / 2);
    pickUpAndMove(screen, i, middle);
    letGo(screen, i, middle);
}

inline void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton); }

inline QPointF cornerOf(const forms::Control& control) { return {control.left(), control.top()}; }

} // namespace pupil
