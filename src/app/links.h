#pragma once
// What the opening screen and the menus share: the Jotter button, the title
// and links that light up under the pointer, and lists of links that grow
// down the screen.

#include "forms/controlgroup.h"
#include "forms/label.h"

#include <QPointF>
#include <initializer_list>

namespace forms { class Screens; }

namespace app {

// Opens the Jotter in front, when the program has one.
void openJotter(forms::Screens& screens);

// The label, or each label of the group, lights up (turns opaque) when the
// pointer moves over it.
void lightUnderPointer(forms::Label& label);
void lightUnderPointer(forms::ControlGroup<forms::Label>& group);

// Shows links 0 to count - 1 of the group, as links to a screen reader too.
void showLinks(forms::ControlGroup<forms::Label>& group, int count);

// The pointer on the bare screen puts out the title, every link of the group
// and the `others`.
void dimLinks(forms::Label& title, const forms::ControlGroup<forms::Label>& links,
              std::initializer_list<forms::Label*> others = {});

// Rows of a list step down by this pitch from its first row, and stop above
// the screen's foot, where the exit and Jotter buttons stand.
inline constexpr float RowPitch = 750;
inline constexpr float ListFoot = 7950;

// How many rows `height` high fit between `top` and the foot.
int rowsThatFit(float top, float height);

// Where item `index` of a list goes whose first item is at `first`: a row
// pitch further down for each item, and a new column `columnStep` across
// whenever the rows would pass the foot.
QPointF listPlace(int index, QPointF first, float height, float columnStep);
void placeAt(forms::Label& label, QPointF at);

} // namespace app
