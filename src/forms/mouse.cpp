#include "forms/mouse.h"
#include "forms/twips.h"

namespace forms {

int buttonState(Qt::MouseButtons buttons)
{
    int state = 0;
    if (buttons & Qt::LeftButton) state |= LeftButton;
    if (buttons & Qt::RightButton) state |= RightButton;
    if (buttons & Qt::MiddleButton) state |= MiddleButton;
    return state;
}

MouseArgs mouseArgs(const QMouseEvent& event, bool changedButtonOnly, float scale)
{
    const QPointF p = event.position();
    return {buttonState(changedButtonOnly ? Qt::MouseButtons(event.button()) : event.buttons()),
            toTwips(p.x(), scale), toTwips(p.y(), scale)};
}

} // namespace forms
