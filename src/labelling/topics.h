#pragma once
// The picture-labelling topics of the menus, each defined in its own file
// beside its table.

#include "activity/topic.h"
#include "labelling/activitydata.h"

#include <vector>

namespace labelling {
const activity::Topics& topics();
// The tables of every topic's screens, in the topics' order.
const std::vector<const ActivityData*>& tables();
// The table of `screen`, which must be one of the topics' screens.
const ActivityData& table(const QString& screen);
} // namespace labelling
