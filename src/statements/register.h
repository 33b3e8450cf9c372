#pragma once
namespace forms { class Screens; }

namespace statements {
// The statement-quiz screens.
void registerScreens(forms::Screens& screens);
}
