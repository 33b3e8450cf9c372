#pragma once
// Energy Calculations: the energy a household appliance transfers in
// kilowatt-hours, or what that energy costs. Level 1 (level 0 here) keeps to
// whole kilowatts, hours or half hours and prices of 20p to 35p per kWh in
// steps of 5p; Level 2 gives watts, minutes and prices such as 34.5p, with
// answers in pounds; Level 3 works energy transferred = power × time in
// joules, with the time in seconds.

#include "activity/topic.h"
#include "calculations/question.h"

namespace calculations {

Question energyQuestion(const Random& random, int level);
activity::Topic energyTopic();

} // namespace calculations
