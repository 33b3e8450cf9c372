#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// energysources: a table of eight energy sources; pupils drag how each one is
// used to make electricity into its row.
const ActivityData& energySourcesActivity();
LabellingTopic energySourcesTopic();
} // namespace labelling
