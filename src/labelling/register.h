#pragma once
namespace forms { class Screens; }

namespace labelling {
// Every picture-labelling screen.
void registerScreens(forms::Screens& screens);
} // namespace labelling
