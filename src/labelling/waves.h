#pragma once
#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {
// waves: a transverse wave on axes and a longitudinal wave, with their
// features to label; either "wavelength" counts on either wave.
const ActivityData& wavesActivity();
LabellingTopic wavesTopic();
} // namespace labelling
