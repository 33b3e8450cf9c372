#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// convection: a beaker of water heated under one side, a crystal's purple
// trail showing the convection current.
const ActivityData& convectionActivity();
LabellingTopic convectionTopic();
} // namespace labelling
