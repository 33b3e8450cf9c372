#pragma once
// Efficiency Calculations: the work done by a force, or the efficiency, useful
// output or total input of a device, from situations with realistic numbers.

#include "activity/topic.h"
#include "calculations/question.h"

namespace calculations {

Question efficiencyQuestion(const Random& random, int level = 0);
activity::Topic efficiencyTopic();

} // namespace calculations
