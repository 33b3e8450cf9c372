#include "units/register.h"
#include "activity/catalogue.h"
#include "units/symbols.h"
#include "forms/screens.h"

namespace units {

void registerScreens(forms::Screens& screens)
{
    screens.add(activity::topic(Symbols::Title).screens.front(), [](forms::Screens& s) { return std::make_unique<Symbols>(s); });
}

} // namespace units
