#pragma once
// The picture-labelling topics of the menus, each defined in its own file
// beside its table.

#include "activity/topic.h"

namespace labelling {
const activity::Topics& topics();
} // namespace labelling
