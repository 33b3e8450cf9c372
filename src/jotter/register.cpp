#include "jotter/register.h"
#include "jotter/notepad.h"
#include "forms/screens.h"

namespace jotter {

void registerScreens(forms::Screens& screens)
{
    screens.add(ScreenName, [](forms::Screens& s) { return std::make_unique<Notepad>(s); });
}

} // namespace jotter
