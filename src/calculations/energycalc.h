#pragma once
// Energy Calculations: the energy a household appliance transfers in
// kilowatt-hours, or what that energy costs. Level 1 (level 0 here) keeps to
// whole kilowatts, hours or half hours and 10p or 20p per kWh; Level 2 gives
// watts, minutes and prices such as 34.5p, with answers in pounds.

#include "activity/topic.h"
#include "calculations/question.h"

namespace calculations {

Question energyQuestion(const Random& random, int level);
activity::Topic energyTopic();

} // namespace calculations
