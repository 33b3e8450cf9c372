#pragma once
// What the opening screen and the menus share: the Jotter button and the
// title and links that light up under the pointer.

#include "forms/controlgroup.h"
#include "forms/label.h"

#include <initializer_list>

namespace forms { class Screens; }

namespace app {

// Opens the Jotter in front, when the program has one.
void openJotter(forms::Screens& screens);

// Each label lights up (turns opaque) on its own mouse move; the pointer on
// the bare screen puts out the title and the links named by `indexes`.
void dimLinks(forms::Label& title, const forms::ControlGroup<forms::Label>& links, std::initializer_list<int> indexes);

} // namespace app
