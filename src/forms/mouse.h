#pragma once
#include <QMouseEvent>

namespace forms {

// Mouse buttons as the screens' handlers see them: 1 left, 2 right, 4 middle,
// summed when several are held.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

struct MouseArgs {
    int button = 0; // on a move: every button held; on a press or release: the button that changed
    float x = 0;    // twips from the left edge of the control that raised the event
    float y = 0;    // twips from its top edge
};

int buttonState(Qt::MouseButtons buttons);
// The event in twips at `scale` display pixels to the design pixel.
MouseArgs mouseArgs(const QMouseEvent& event, bool changedButtonOnly, float scale);

} // namespace forms
