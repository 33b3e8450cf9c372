#include "labelling/orbits.h"

#include <cmath>
#include <numbers>

namespace labelling {

namespace {
double radians(double degrees) { return degrees * std::numbers::pi / 180; }
} // namespace

double OrbitScene::earthTurn(double seconds) const { return 360 * seconds / secondsPerDay; }

double OrbitScene::polarAngle(double seconds) const
{
    return 360 * seconds / secondsPerDay * dayMinutes / polarPeriodMinutes;
}

// A geostationary satellite goes round once a day, the way the Earth turns.
double OrbitScene::geostationaryAngle(double seconds) const { return geostationaryLongitude + earthTurn(seconds); }

double OrbitScene::longitudeBeneathGeostationary(double seconds) const
{
    return geostationaryAngle(seconds) - earthTurn(seconds);
}

// The Earth's axis points up the screen; x runs to the right and z towards
// the viewer, who looks down on the equator from `viewElevation` above it.
ViewPoint OrbitScene::onSphere(double radius, double latitude, double longitude, double turn) const
{
    const double lat = radians(latitude), lon = radians(longitude + turn);
    // Longitude 0 faces the viewer; east lies to the right.
    const double x = radius * std::cos(lat) * std::sin(lon);
    const double y = radius * std::sin(lat);
    const double z = radius * std::cos(lat) * std::cos(lon);
    const double e = radians(viewElevation);
    const double up = y * std::cos(e) - z * std::sin(e);
    const double depth = z * std::cos(e) + y * std::sin(e);
    return {centre + QPointF(x, -up), depth >= 0};
}

ViewPoint OrbitScene::onPolarOrbit(double degrees) const
{
    // The orbit's plane holds the axis and lies across the line of sight.
    return onSphere(polarRadius, 90 - degrees, 90);
}

ViewPoint OrbitScene::polarSatellite(double seconds) const
{
    return onPolarOrbit(std::fmod(polarAngle(seconds), 360.0));
}

ViewPoint OrbitScene::geostationarySatellite(double seconds) const
{
    return onSphere(geostationaryRadius, 0, std::fmod(geostationaryAngle(seconds), 360.0));
}

const OrbitScene& satelliteScene()
{
    // Not to scale: a geostationary orbit is about 6.6 Earth radii from the
    // centre, a low polar orbit only a little above the surface. Seen from
    // 20 degrees above the equator, the far side of the geostationary orbit
    // passes just clear of the globe, so its satellite is never hidden. A day
    // takes 90 seconds, a polar orbit a little over 6.
    static const OrbitScene scene{{6000, 3720}, 1050, 1320, 3300, 20, 90};
    return scene;
}

} // namespace labelling
