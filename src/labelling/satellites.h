#pragma once
// Satellites: label a moving diagram of the Earth, a polar orbit and a
// geostationary orbit, each with its satellite.

#include "activity/topic.h"
#include "labelling/activitydata.h"

namespace labelling {

// The targets whose leader lines follow the moving satellites.
inline constexpr int PolarSatelliteTarget = 4;
inline constexpr int GeostationarySatelliteTarget = 5;
// Where the moving diagram lies on the screen.
inline constexpr forms::TwipRect OrbitArea{0, 720, 12000, 5880};

const ActivityData& satellitesActivity();
LabellingTopic satellitesTopic();

} // namespace labelling
