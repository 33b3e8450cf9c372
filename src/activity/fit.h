#pragma once
// "Fit to Screen": every screen drawn at the one scale at which the design
// fills as much of the display as its shape allows. Only pixels change; the
// twips every screen is laid out, snapped and scored in stay as designed.
//
// Two things are kept apart: whether this run is fitted, and what the
// teacher's box on the opening screen remembers for the next start. "--fit"
// and "--no-fit" set the first only.

#include <QString>
#include <optional>

namespace forms { class Screens; }

namespace activity {

inline const QString FitSettingKey = QStringLiteral("display/fitToScreen");

// Fits this run as the command line asks ("--fit" true, "--no-fit" false),
// else as the last remembered choice says.
void startFitted(forms::Screens& screens, std::optional<bool> asked);
// Turns fitting on or off for every screen for this run only, loaded screens
// placed anew at once; what is remembered stays as it was.
void fitToScreen(forms::Screens& screens, bool on);
// The teacher's choice: remembered for the next run, and applied to this one
// when it changes what was remembered (showing the remembered choice in the
// box again leaves this run as it is). False when the settings could not
// be written: the choice then holds for this run only.
bool chooseFitToScreen(forms::Screens& screens, bool on);
// The remembered choice, as the opening screen's box shows it; off when
// nothing was ever chosen.
bool fitsToScreen(const forms::Screens& screens);
// Whether the screens are fitted in this run.
bool fittedThisRun(const forms::Screens& screens);

} // namespace activity
