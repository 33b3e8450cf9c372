#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// thermal, house and thermos: keeping heat in, three screens of one family.
const std::vector<ActivityData>& insulationActivities();
LabellingTopic insulationTopic();
} // namespace labelling
