#pragma once
// The calculation drills' menu topics, one line each in topics.cpp.

#include "activity/topic.h"

namespace calculations {
const activity::Topics& topics();
} // namespace calculations
