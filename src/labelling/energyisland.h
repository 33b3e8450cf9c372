#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// energyisland: a map of an island; each way of generating electricity goes
// to the one place on it that suits it best.
const ActivityData& energyIslandActivity();
LabellingTopic energyIslandTopic();
} // namespace labelling
