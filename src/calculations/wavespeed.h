#pragma once
// Calculation of Wave Speed: the frequency, wavelength or speed of real waves,
// from sound in air and sonar to ripples, sea waves, strings, radio and light.

#include "activity/topic.h"
#include "calculations/question.h"

namespace calculations {

Question waveQuestion(const Random& random, int level = 0);
activity::Topic waveTopic();

} // namespace calculations
