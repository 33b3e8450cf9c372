#include "units/register.h"
#include "units/symbols.h"
#include "forms/screens.h"

namespace units {

void registerScreens(forms::Screens& screens)
{
    screens.add(QStringLiteral("symbols"), [](forms::Screens& s) { return std::make_unique<Symbols>(s); });
}

} // namespace units
