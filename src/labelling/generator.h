#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// generator: the parts of a power station, from fuel to the pylons.
const ActivityData& generatorActivity();
LabellingTopic generatorTopic();
} // namespace labelling
