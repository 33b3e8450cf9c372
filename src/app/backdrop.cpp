#include "app/backdrop.h"
#include "forms/screens.h"

namespace app {

Backdrop::Backdrop(forms::Screens& screens) : Screen(screens, Id)
{
    // Kept at the bottom and never focused, so a click on it cannot bring it
    // in front of the screens it hides the desktop behind.
    setBorderless();
}

void Backdrop::load()
{
    setBackColor(QColor(48, 133, 214));
    const QSizeF display = screens().displaySize();
    place(0, 0, static_cast<float>(display.width()), static_cast<float>(display.height()));
    setWindowState(Qt::WindowMaximized);
}

// The backdrop covers the whole display at every scale.
void Backdrop::rescaled(QSizeF, QSizeF displayNow)
{
    place(0, 0, static_cast<float>(displayNow.width()), static_cast<float>(displayNow.height()));
    rescaleControls();
}

} // namespace app
