#include "app/catalogue.h"
#include "calculations/equationset.h"
#include "calculations/topics.h"
#include "labelling/ownkind.h"
#include "labelling/topics.h"
#include "statements/ownquiz.h"
#include "statements/topics.h"
#include "units/topics.h"

#include <algorithm>

namespace app {

const activity::Topics& catalogue()
{
    static const activity::Topics all = [] {
        activity::Topics topics;
        for (const activity::Topics* kind : {&labelling::topics(), &statements::topics(), &calculations::topics(), &units::topics()})
            topics.insert(topics.end(), kind->begin(), kind->end());
        return topics;
    }();
    return all;
}

const std::vector<const activity::OwnKind*>& ownKinds()
{
    static const std::vector<const activity::OwnKind*> kinds{&labelling::ownLabellingKind(), &statements::ownQuizKind(),
                                                                  &calculations::ownEquationSetKind()};
    return kinds;
}

std::vector<const activity::Topic*> menuTopics(const activity::Topics& topics, int menu)
{
    std::vector<const activity::Topic*> listed;
    for (const activity::Topic& topic : topics)
        if (topic.menu == menu)
            listed.push_back(&topic);
    std::stable_sort(listed.begin(), listed.end(), [](const activity::Topic* a, const activity::Topic* b) { return a->row < b->row; });
    return listed;
}

int menuCount(const activity::Topics& topics)
{
    int count = 0;
    for (const activity::Topic& topic : topics)
        count = std::max(count, topic.menu);
    return count;
}

} // namespace app
