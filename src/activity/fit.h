#pragma once
// "Fit to Screen": every screen drawn at the one scale at which the design
// fills as much of the display as its shape allows. Only pixels change; the
// twips every screen is laid out, snapped and scored in stay as designed.

#include <QString>

namespace forms { class Screens; }

namespace activity {

inline const QString FitSettingKey = QStringLiteral("display/fitToScreen");

// Turns fitting on or off for every screen and for this run ("--fit"),
// loaded screens placed anew at once.
void fitToScreen(forms::Screens& screens, bool on);
// The same, remembered for the next run; false when it could not be.
bool chooseFitToScreen(forms::Screens& screens, bool on);
// Whether the screens fit the display in this run: what was chosen in it,
// else what the last run chose; off when nothing was chosen.
bool fitsToScreen(const forms::Screens& screens);

} // namespace activity
