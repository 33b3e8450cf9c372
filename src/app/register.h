#pragma once
namespace forms { class Screens; }

namespace app {
// The title screen, the opening screen, the backdrop, the five menus and the
// six pages of the Teachers' Guide.
void registerScreens(forms::Screens& screens);
} // namespace app
