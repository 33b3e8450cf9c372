#pragma once
namespace forms { class Screens; }

namespace units {
// The Units and their Symbols screen.
void registerScreens(forms::Screens& screens);
} // namespace units
