#include "calculations/register.h"
#include "calculations/drill.h"
#include "forms/screens.h"

namespace calculations {

void registerScreens(forms::Screens& screens)
{
    for (const DrillData& drill : drills())
        screens.add(drill.screen, [&drill](forms::Screens& s) { return std::make_unique<CalculationDrill>(s, drill); });
}

} // namespace calculations
