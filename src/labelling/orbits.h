#pragma once
// The moving diagram of Satellites: the Earth turning on its axis, a satellite
// in a low polar orbit and one in a geostationary orbit above the equator,
// seen from a little above the plane of the equator. Times are the screen's
// seconds; one day of the Earth passes in `secondsPerDay` of them, and both
// satellites are sped up alike, so their periods keep their true ratio.

#include <QPointF>

namespace labelling {

// A point of the diagram: where it shows (twips of the screen) and whether it
// lies on the near side of the Earth's axis, in front of the globe.
struct ViewPoint {
    QPointF at;
    bool nearSide;
};

struct OrbitScene {
    QPointF centre;           // the Earth's centre, twips of the screen
    float earthRadius;        // twips
    float polarRadius;        // the polar orbit, seen face on
    float geostationaryRadius;
    double viewElevation;     // degrees the viewer stands above the plane of the equator
    double secondsPerDay;     // one turn of the Earth on the screen
    double polarPeriodMinutes = 100;
    double dayMinutes = 24 * 60;
    double geostationaryLongitude = 10; // degrees east of Greenwich, which faces the viewer at the start

    // Degrees the Earth has turned, west to east, after `seconds`.
    double earthTurn(double seconds) const;
    // Degrees each satellite has travelled round its orbit.
    double polarAngle(double seconds) const;
    double geostationaryAngle(double seconds) const;
    // The longitude now beneath the geostationary satellite: it does not change.
    double longitudeBeneathGeostationary(double seconds) const;

    ViewPoint polarSatellite(double seconds) const;
    ViewPoint geostationarySatellite(double seconds) const;

    // A point at `longitude` degrees east of Greenwich (which faces the
    // viewer before any turn) and `latitude` degrees north, `radius` twips from the
    // centre, after the Earth has turned `turn` degrees.
    ViewPoint onSphere(double radius, double latitude, double longitude, double turn = 0) const;
    // A point of the polar orbit `degrees` round from the north pole.
    ViewPoint onPolarOrbit(double degrees) const;
};

const OrbitScene& satelliteScene();

} // namespace labelling
