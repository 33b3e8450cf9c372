#include "app/links.h"
#include "forms/screens.h"
#include "jotter/register.h"

namespace app {

void openJotter(forms::Screens& screens)
{
    if (screens.knows(jotter::ScreenName))
        screens.show(jotter::ScreenName);
}

void dimLinks(forms::Label& title, const forms::ControlGroup<forms::Label>& links, std::initializer_list<int> indexes)
{
    title.setOpaque(false);
    for (int index : indexes)
        if (links.exists(index))
            links(index).setOpaque(false);
}

} // namespace app
