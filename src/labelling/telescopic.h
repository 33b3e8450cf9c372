#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// nakedeye, telescope and hst.
const std::vector<ActivityData>& telescopicActivities();
LabellingTopic telescopicTopic();
} // namespace labelling
