#include "app/register.h"
#include "app/backdrop.h"
#include "app/catalogue.h"
#include "app/guidepages.h"
#include "app/menu.h"
#include "app/myactivities.h"
#include "app/openingscreen.h"
#include "app/teacherguide.h"
#include "app/titlescreen.h"
#include "forms/screens.h"
#include "jotter/register.h"
#include "labelling/editor/labeleditor.h"

namespace app {

void registerScreens(forms::Screens& screens)
{
    screens.add(TitleScreen::Id, [](forms::Screens& s) { return std::make_unique<TitleScreen>(s); });
    screens.add(OpeningScreen::Id, [](forms::Screens& s) { return std::make_unique<OpeningScreen>(s); });
    screens.add(Backdrop::Id, [](forms::Screens& s) { return std::make_unique<Backdrop>(s); });
    for (int number = 1; number <= static_cast<int>(menuTable().size()); ++number)
        screens.add(menuTable()[static_cast<std::size_t>(number - 1)].screen,
                    [number](forms::Screens& s) { return std::make_unique<Menu>(s, menuTable(), number); });
    // Reads no folder yet: the list is read when the screen opens.
    screens.add(MyActivities::Id, [](forms::Screens& s) { return std::make_unique<MyActivities>(s, ownKinds(), standardActivityPlaces()); });
    for (int page = 0; page < static_cast<int>(guidePages().size()); ++page)
        screens.add(guidePages()[static_cast<std::size_t>(page)].screen,
                    [page](forms::Screens& s) { return std::make_unique<TeacherGuide>(s, page); });
}

void registerEverything(forms::Screens& screens)
{
    registerScreens(screens);
    for (const activity::Topic& topic : catalogue())
        if (topic.addScreens)
            topic.addScreens(screens);
    labelling::registerLabelEditor(screens, activity::standardPlaces().user);
    jotter::registerScreens(screens);
}

} // namespace app
