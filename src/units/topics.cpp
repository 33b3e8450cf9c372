// The units topics, in the order of the list.
#include "units/topics.h"

namespace units {

#define TOPIC(make) activity::Topic make();
#include "units/topiclist.h"
#undef TOPIC

const activity::Topics& topics()
{
    static const activity::Topics all{
#define TOPIC(make) make(),
#include "units/topiclist.h"
#undef TOPIC
    };
    return all;
}

} // namespace units
