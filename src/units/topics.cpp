// The units topics, numbered as activity/topiclist.h orders the menus.
#include "units/topics.h"

namespace units {

#define UNITS(make) activity::Topic make();
#define OTHER_KIND
#include "activity/topiclist.h"

const activity::Topics& topics()
{
    static const activity::Topics all = [] {
        activity::Topics made;
        activity::MenuPlaces places;
#define MENU places.nextMenu();
#define UNITS(make) places.place(made.emplace_back(make()));
#define OTHER_KIND places.skip();
#include "activity/topiclist.h"
        return made;
    }();
    return all;
}

} // namespace units
