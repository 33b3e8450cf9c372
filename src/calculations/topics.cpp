// The calculations topics, in the order of the list.
#include "calculations/topics.h"

namespace calculations {

#define TOPIC(make) activity::Topic make();
#include "calculations/topiclist.h"
#undef TOPIC

const activity::Topics& topics()
{
    static const activity::Topics all{
#define TOPIC(make) make(),
#include "calculations/topiclist.h"
#undef TOPIC
    };
    return all;
}

} // namespace calculations
