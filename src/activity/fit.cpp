#include "activity/fit.h"
#include "forms/screens.h"
#include "forms/twips.h"

namespace activity {

namespace {
// Held for this run only, never written to the settings.
const QString FittedThisRunKey = QStringLiteral("display/fittedThisRun");
} // namespace

void startFitted(forms::Screens& screens, std::optional<bool> asked)
{
    fitToScreen(screens, asked.value_or(fitsToScreen(screens)));
}

void fitToScreen(forms::Screens& screens, bool on)
{
    screens.chooseForThisRun(FittedThisRunKey, on);
    float scale = 1.0f;
    if (on && screens.platform().displayPixels)
        scale = forms::fitScale(screens.platform().displayPixels());
    if (scale != screens.scale())
        screens.setScale(scale);
}

bool chooseFitToScreen(forms::Screens& screens, bool on)
{
    const bool changed = on != fitsToScreen(screens);
    const bool kept = screens.choose(FitSettingKey, on);
    if (changed)
        fitToScreen(screens, on);
    return kept;
}

bool fitsToScreen(const forms::Screens& screens) { return screens.setting(FitSettingKey).toBool(); }

bool fittedThisRun(const forms::Screens& screens) { return screens.setting(FittedThisRunKey).toBool(); }

} // namespace activity
