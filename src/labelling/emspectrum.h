#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// emspectrum: the seven regions of the electromagnetic spectrum under a wave
// whose wavelength shortens from radio to gamma, and the two arrows beside it.
const ActivityData& emSpectrumActivity();
LabellingTopic emSpectrumTopic();

// The answers naming the two arrows; the picture points each the right way.
inline constexpr int IncreasingFrequency = 7;
inline constexpr int IncreasingWavelength = 8;
} // namespace labelling
