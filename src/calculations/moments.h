#pragma once
// Calculating Moments: the moment of a force, or the force or distance that
// gives a moment, on spanners, doors and pedals; and the force or distance that
// balances a see-saw (two or three people), a wheelbarrow or a tower crane.

#include "activity/topic.h"
#include "calculations/question.h"

namespace calculations {

Question momentsQuestion(const Random& random, int level = 0);
activity::Topic momentsTopic();

} // namespace calculations
