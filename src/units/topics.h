#pragma once
// The units activity's menu topics, one line each in topics.cpp.

#include "activity/topic.h"

namespace units {
const activity::Topics& topics();
} // namespace units
