#pragma once
namespace forms { class Screens; }

namespace jotter {
// The Jotter, "notepad".
void registerScreens(forms::Screens& screens);
} // namespace jotter
