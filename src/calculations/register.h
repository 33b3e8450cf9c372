#pragma once
namespace forms { class Screens; }

namespace calculations {
// The calculation drills: Efficiency, Energy, Wave Speed and Moments.
void registerScreens(forms::Screens& screens);
} // namespace calculations
