// The labelling topics, in the order of the list.
#include "labelling/topics.h"

namespace labelling {

#define TOPIC(make) activity::Topic make();
#include "labelling/topiclist.h"
#undef TOPIC

const activity::Topics& topics()
{
    static const activity::Topics all{
#define TOPIC(make) make(),
#include "labelling/topiclist.h"
#undef TOPIC
    };
    return all;
}

} // namespace labelling
