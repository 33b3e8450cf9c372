#pragma once
// "Fit to Screen": every screen drawn at the one scale at which the design
// fills as much of the display as its shape allows. Only pixels change; the
// twips every screen is laid out, snapped and scored in stay as designed.

#include <QString>

namespace forms { class Screens; }

namespace activity {

// Ticked or not; outlives the opening screen, which shows the tick from it.
inline bool FitToScreen = false;

inline const QString FitSettingKey = QStringLiteral("display/fitToScreen");

// Turns fitting on or off for every screen, loaded ones placed anew at once.
void fitToScreen(forms::Screens& screens, bool on);
// The same, remembered for the next run.
void chooseFitToScreen(forms::Screens& screens, bool on);
// What the last run chose; off when nothing was remembered.
bool rememberedFitToScreen(forms::Screens& screens);

} // namespace activity
