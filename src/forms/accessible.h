#pragma once
// What a screen reader hears of each control: its role (button, link, check
// box, text, picture ...) and its name (the caption, or a text the screen
// gives it that says more, such as "target 3 of 8, empty").

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace forms {

class Control;

// Installed once, before the first screen shows.
void installAccessibility();

// A role other than the control's kind gives it (a label that is a link or
// a command reads as one); set before the control is first shown.
void setAccessibleRole(QWidget& control, QAccessible::Role role);
// A name worked out whenever a screen reader asks.
void setAccessibleNameSource(QWidget& control, std::function<QString()> name);
// A description (what a picture or diagram shows) worked out whenever asked.
void setAccessibleDescriptionSource(QWidget& control, std::function<QString()> description);
// A command that cannot be used now (nothing to undo yet) reads as unavailable.
void setAccessibleUnavailable(QWidget& control, bool unavailable);
// What a click on `control` does, for a key or a screen reader's "press": an
// option button is chosen, a check box turns over, anything else tells its click.
void pressControl(Control& control);
// Tells a screen reader that the control's name has changed, so that it reads
// the new one out (feedback that appears where the pupil is not).
void announceName(QWidget& control);
// Tells a screen reader that `control`, an alert, has just appeared, so that
// it reads the whole of its name out wherever the reader is.
void announceAlert(QWidget& control);

} // namespace forms
