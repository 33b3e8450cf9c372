#pragma once
// Pointer gestures as a pupil makes them, delivered through the platform layer
// (hit-testing and the pressed control's grab), in pixels of a screen.

#include <QPoint>
#include <QWidget>

namespace pointer {

// Shows the screen and waits until it can take pointer events.
bool showAndWait(QWidget& screen);

// Presses the left button on the control's centre, moves in a few steps to
// `to` (pixels of the control's window) and releases there.
void drag(QWidget& control, QPoint to, Qt::MouseButton button = Qt::LeftButton);

// A press and release without movement.
void click(QWidget& control, Qt::MouseButton button = Qt::LeftButton);

// A move with no button held, to a point of `widget` (its own pixels).
void hover(QWidget& widget, QPoint at);

} // namespace pointer
