#pragma once
// What a screen reader hears of each control: its role (button, link, check
// box, text, picture ...) and its name (the caption, or a text the screen
// gives it that says more, such as "target 3 of 8, empty").

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace forms {

// Installed once, before the first screen shows.
void installAccessibility();

// A role other than the control's kind gives it (a label that is a link or
// a command reads as one).
void setAccessibleRole(QWidget& control, QAccessible::Role role);
// A name worked out whenever a screen reader asks.
void setAccessibleNameSource(QWidget& control, std::function<QString()> name);

} // namespace forms
