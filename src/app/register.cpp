#include "app/register.h"
#include "app/grey.h"
#include "app/guidepages.h"
#include "app/intro0.h"
#include "app/menu.h"
#include "app/teacherguide.h"
#include "app/titlefrm.h"
#include "calculations/register.h"
#include "forms/screens.h"
#include "jotter/register.h"
#include "labelling/register.h"
#include "statements/register.h"
#include "units/register.h"

namespace app {

void registerScreens(forms::Screens& screens)
{
    screens.add("Titlefrm", [](forms::Screens& s) { return std::make_unique<Titlefrm>(s); });
    screens.add("intro0", [](forms::Screens& s) { return std::make_unique<Intro0>(s); });
    screens.add("Grey", [](forms::Screens& s) { return std::make_unique<Grey>(s); });
    for (const MenuData& menu : menuTable())
        screens.add(menu.screen, [&menu](forms::Screens& s) { return std::make_unique<Menu>(s, menu); });
    for (int page = 0; page < static_cast<int>(guidePages().size()); ++page)
        screens.add(guidePages()[static_cast<std::size_t>(page)].screen,
                    [page](forms::Screens& s) { return std::make_unique<TeacherGuide>(s, page); });
}

void registerEverything(forms::Screens& screens)
{
    registerScreens(screens);
    labelling::registerScreens(screens);
    units::registerScreens(screens);
    jotter::registerScreens(screens);
    statements::registerScreens(screens);
    calculations::registerScreens(screens);
}

} // namespace app
