#include "activity/fit.h"
#include "forms/screens.h"
#include "forms/twips.h"

namespace activity {

void fitToScreen(forms::Screens& screens, bool on)
{
    FitToScreen = on;
    float scale = 1.0f;
    if (on && screens.platform().displaySize) {
        // The display in pixels, whatever scale its twips were measured at.
        const QSizeF pixels = screens.platform().displaySize() / forms::twipsPerPixel();
        scale = forms::fitScale(pixels);
    }
    if (scale != forms::pixelScale())
        screens.setScale(scale);
}

void chooseFitToScreen(forms::Screens& screens, bool on)
{
    fitToScreen(screens, on);
    if (screens.platform().remember)
        screens.platform().remember(FitSettingKey, on);
}

bool rememberedFitToScreen(forms::Screens& screens)
{
    return screens.platform().setting && screens.platform().setting(FitSettingKey).toBool();
}

} // namespace activity
