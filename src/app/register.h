#pragma once
namespace forms { class Screens; }

namespace app {
// The title screen, the opening screen, the backdrop, the menus and the
// pages of the Teachers' Guide.
void registerScreens(forms::Screens& screens);

// Every screen of the program: the shell's, every catalogue topic's and the
// Jotter. The program and the tests register through this one call.
void registerEverything(forms::Screens& screens);
} // namespace app
