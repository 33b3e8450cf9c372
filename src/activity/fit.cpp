#include "activity/fit.h"
#include "forms/screens.h"
#include "forms/twips.h"

namespace activity {

namespace {
void applyFit(forms::Screens& screens, bool on)
{
    float scale = 1.0f;
    if (on && screens.platform().displayPixels)
        scale = forms::fitScale(screens.platform().displayPixels());
    if (scale != screens.scale())
        screens.setScale(scale);
}
} // namespace

void fitToScreen(forms::Screens& screens, bool on)
{
    screens.chooseForThisRun(FitSettingKey, on);
    applyFit(screens, on);
}

bool chooseFitToScreen(forms::Screens& screens, bool on)
{
    const bool kept = screens.choose(FitSettingKey, on);
    applyFit(screens, on);
    return kept;
}

bool fitsToScreen(const forms::Screens& screens) { return screens.setting(FitSettingKey).toBool(); }

} // namespace activity
