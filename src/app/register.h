#pragma once
namespace forms { class Screens; }

namespace app {
// The title screen, the opening screen, the backdrop and the five menus.
void registerScreens(forms::Screens& screens);
} // namespace app
