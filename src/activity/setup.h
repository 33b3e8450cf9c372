#pragma once
// The set-up routine that every full-size screen runs first in its load, and
// the choices of the opening screen that outlive it.

#include <QString>

namespace forms { class Button; class Control; class Screen; class Screens; }

namespace activity {

// The parts of a screen the set-up routine gives their common look and place;
// a screen names those it has.
struct StandardParts {
    forms::Control* panel = nullptr;  // a panel in the screen's own blue
    forms::Button* jotter = nullptr;  // the Jotter's button, in the right-hand column
};

// Gives a screen the common look and place: background, no icon of its own,
// 12000 x 9000 twips, centred on the whole display; then its standard parts.
// A picture that cannot be read leaves the button showing its word.
void prepareScreen(forms::Screen& screen, StandardParts parts = {});

// Shows `text` in a self-dismissing notice on `where` the first time it comes up in this run only: pupils are not interrupted
// again by what the teacher has already been told.
void tellOnce(forms::Screen& where, const QString& text);
// Tells the teacher, once a run, that a choice holds for this run only
// because the settings could not be written; nothing when `kept`.
void tellIfNotKept(forms::Screen& where, bool kept);

// "Hide Desktop": whether the plain backdrop hides the desktop, for this run.
inline const QString HideDesktopKey = QStringLiteral("display/hideDesktop");
bool hidesDesktop(const forms::Screens& screens);
void chooseHideDesktop(forms::Screens& screens, bool on);

} // namespace activity
