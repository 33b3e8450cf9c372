#pragma once
// The look of each body of the Solar System the pictures show, as globes
// ready for paintGlobe(): surface markings, relief, rings. Callers place them
// and choose where the light comes from.

#include "painting.h"

namespace pictures {

// Where a globe sits in the picture and where its light comes from.
struct Placement {
    QPointF centre;
    double radius = 1;
    double sunX = 0, sunY = 0, sunZ = 1;
};

// Pale bands, a grey-blue pole and the A, B and C rings with the Cassini
// division and the Encke gap; tilt opens the rings towards the viewer.
Globe saturn(const Placement& at, double tilt, double roll);
// Cream zones, brown belts and the Great Red Spot.
Globe jupiter(const Placement& at, double roll);
// Ochre deserts, dark markings, a white polar cap and a thin blue haze.
// detail 0 gives the washed-out look of a small telescope, 1 a sharp photograph.
Globe mars(const Placement& at, double detail);
// The near side of the Moon with its maria and bright ray craters; with
// craters the surface has relief that shows near the terminator.
Globe moon(const Placement& at, bool craters);
// A bright, featureless cloud-covered globe.
Globe venus(const Placement& at);
// An orange moon wrapped in thick haze.
Globe hazyMoon(const Placement& at);
// A cratered, cracked ice moon.
Globe iceMoon(const Placement& at);

} // namespace pictures
