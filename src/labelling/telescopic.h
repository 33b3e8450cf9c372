#pragma once
#include "labelling/activitydata.h"

namespace labelling {
// nakedeye, telescope and hst.
const std::vector<ActivityData>& telescopicActivities();
} // namespace labelling
