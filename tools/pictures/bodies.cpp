#include "bodies.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

namespace pictures {

namespace {

Globe placed(const Placement& at)
{
    Globe globe;
    globe.centre = at.centre;
    globe.radius = at.radius;
    globe.sunX = at.sunX, globe.sunY = at.sunY, globe.sunZ = at.sunZ;
    return globe;
}

double radians(double degrees) { return qDegreesToRadians(degrees); }

// A point of the Moon's near side from its latitude and longitude in
// degrees, the longitude counted positive towards the right of the disc.
SurfacePoint nearSide(double latitude, double longitude)
{
    const double lat = radians(latitude), lon = -radians(longitude);
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// Distance between two surface points along the chord, close to the angle
// between them (radians) for the sizes used here.
double apart(const SurfacePoint& a, const SurfacePoint& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

// Bowl-shaped craters with raised rims, scattered over the whole globe and
// kept in a grid of cells so that a point looks at its neighbours only.
class CraterField {
public:
    CraterField(std::uint32_t seed, int count, double smallest, double largest)
    {
        Random random(seed);
        cells.resize(Cells * Cells * Cells);
        for (int i = 0; i < count; ++i) {
            const double z = random.between(-1, 1), angle = random.between(0, 2 * M_PI), ring = std::sqrt(1 - z * z);
            // Many small craters, few large ones.
            const double size = smallest * std::pow(largest / smallest, std::pow(random.uniform(), 3));
            craters.push_back({ring * std::cos(angle), ring * std::sin(angle), z, size});
            const Crater& c = craters.back();
            const double reach = size * Reach;
            for (int ix = cell(c.x - reach); ix <= cell(c.x + reach); ++ix)
                for (int iy = cell(c.y - reach); iy <= cell(c.y + reach); ++iy)
                    for (int iz = cell(c.z - reach); iz <= cell(c.z + reach); ++iz)
                        cells[(ix * Cells + iy) * Cells + iz].push_back(static_cast<int>(craters.size()) - 1);
        }
    }

    double height(const SurfacePoint& p) const
    {
        double h = 0;
        for (int index : cells[(cell(p.x) * Cells + cell(p.y)) * Cells + cell(p.z)]) {
            const Crater& c = craters[index];
            const double squared = (p.x - c.x) * (p.x - c.x) + (p.y - c.y) * (p.y - c.y) + (p.z - c.z) * (p.z - c.z);
            if (squared > Reach * Reach * c.size * c.size)
                continue;
            const double t = std::sqrt(squared) / c.size;
            // A rim, steep inside and sloping gently outside, round a bowl.
            double shape = 0.1 * bump((t - 1) / (t < 1 ? 0.2 : 0.5));
            if (t < 1)
                shape += 0.3 * (t * t * t - 1);
            if (c.size > 0.03)
                shape += 0.1 * bump(t / 0.28); // a central peak in big craters
            h += shape * c.size;
        }
        return h;
    }

private:
    struct Crater {
        double x, y, z, size;
    };
    static constexpr int Cells = 48;
    static constexpr double Reach = 1.5; // in crater radii: the rim's outer slope ends there
    // A smooth hump over -1 .. 1, nothing outside.
    static double bump(double u) { return u * u < 1 ? (1 - u * u) * (1 - u * u) : 0; }
    static int cell(double v) { return std::clamp(static_cast<int>((v + 1) / 2 * Cells), 0, Cells - 1); }
    std::vector<Crater> craters;
    std::vector<std::vector<int>> cells;
};

std::function<double(const SurfacePoint&)> craterRelief(std::uint32_t seed, int count, double smallest, double largest)
{
    auto field = std::make_shared<const CraterField>(seed, count, smallest, largest);
    return [field](const SurfacePoint& p) { return field->height(p); };
}

// A dark belt of a giant planet's clouds: its latitude, width and darkness.
struct Belt {
    double centre, width, depth; // degrees, degrees, 0 .. 1
};

// How dark the belts make the clouds at a latitude (degrees): the darkest
// belt there wins, each fading out softly at its edges.
double beltDarkness(double latitude, std::initializer_list<Belt> belts)
{
    double dark = 0;
    for (const Belt& b : belts)
        dark = std::max(dark, b.depth * smoothstep(b.width, b.width * 0.4, std::abs(latitude - b.centre)));
    return dark;
}

// Saturn's rings across their radius: faint C ring, bright B ring, the Cassini
// division, the A ring with the Encke gap, all finely grooved.
Rgba saturnRing(double r)
{
    const double grooves = 0.85 + 0.15 * std::sin(r * 210) * std::sin(r * 57 + 1);
    if (r < 1.24)
        return {};
    if (r < 1.53)
        return {rgb(150, 135, 115), (0.25 + 0.6 * (r - 1.24)) * grooves};
    if (r < 1.95)
        return {mix(rgb(215, 195, 160), rgb(240, 225, 192), smoothstep(1.53, 1.75, r)) * grooves, 0.92};
    if (r < 2.03)
        return {rgb(70, 62, 55), 0.12};
    if (r > 2.205 && r < 2.22)
        return {rgb(70, 62, 55), 0.15};
    return {rgb(200, 185, 158) * grooves, 0.78 - 0.25 * smoothstep(2.2, 2.27, r)};
}

// A round feature of the near side: where it lies and how big it is.
struct Spot {
    SurfacePoint centre;
    double size; // radians
    double rays = 0;
};

Spot spot(double latitude, double longitude, double size, double rays = 0)
{
    return {nearSide(latitude, longitude), radians(size), rays};
}

// The dark plains of the near side, roughly where they lie.
const std::vector<Spot>& maria()
{
    static const std::vector<Spot> plains = {
        spot(33, -16, 16), spot(15, -55, 22), spot(-2, -45, 16), spot(32, -44, 13), spot(27, 17, 10),
        spot(8, 30, 12),   spot(17, 59, 6.5), spot(-6, 51, 9),   spot(-15, 34, 5.5), spot(-21, -17, 10),
        spot(-24, -39, 5.5), spot(55, -20, 6), spot(57, 0, 6),   spot(56, 22, 5),   spot(13, 4, 5),
        spot(-10, -23, 6), spot(2, 18, 4)};
    return plains;
}

// Young craters with bright rays: Tycho, Copernicus, Kepler, Aristarchus.
const std::vector<Spot>& rayCraters()
{
    static const std::vector<Spot> craters = {
        spot(-43, -11, 1.6, 1.0), spot(10, -20, 1.3, 0.6), spot(8, -38, 0.9, 0.4), spot(24, -47, 0.8, 0.2)};
    return craters;
}

Rgb moonSurface(const SurfacePoint& p)
{
    // Each plain is a soft patch; where patches meet they run together.
    double field = 0.3 * (fractal(p.x * 3, p.y * 3, p.z * 3, 5, 31) - 0.5);
    for (const Spot& mare : maria()) {
        const double d = apart(p, mare.centre) / mare.size;
        field += d < 3 ? std::exp(-d * d) : 0;
    }
    const double dark = smoothstep(0.5, 0.7, field);
    const double mottle = fractal(p.x * 9, p.y * 9, p.z * 9, 5, 17);
    Rgb colour = mix(rgb(222, 219, 210) * (0.88 + 0.2 * mottle), rgb(136, 134, 128) * (0.9 + 0.2 * mottle), dark);
    for (const Spot& crater : rayCraters()) {
        const double d = apart(p, crater.centre) / crater.size;
        if (d > 40)
            continue;
        const SurfacePoint& c = crater.centre;
        const double heading = std::atan2(p.z - c.z, (p.y - c.y) * c.x - (p.x - c.x) * c.y);
        const double streak = std::pow(noise(heading * 5 + 20, c.z * 10, 5), 4) * crater.rays;
        colour = colour + rgb(255, 252, 245) * (0.55 * std::exp(-d * d) + 0.2 * streak * std::exp(-d / 8));
    }
    return colour;
}

} // namespace

Globe saturn(const Placement& at, double tilt, double roll)
{
    Globe globe = placed(at);
    globe.tilt = tilt;
    globe.roll = roll;
    globe.limbDarkening = 0.45;
    globe.surface = [](const SurfacePoint& p) {
        const double lat = qRadiansToDegrees(p.latitude()) + 1.2 * (fractal(p.x * 5, p.y * 5, p.z * 24, 4, 5) - 0.5);
        const double belt = beltDarkness(
            lat, {{14, 7, 0.9}, {-15, 7, 0.9}, {30, 3, 0.55}, {-32, 3, 0.5}, {42, 3, 0.45}, {-45, 4, 0.45}, {24, 1.5, 0.4}});
        Rgb colour = mix(rgb(246, 230, 186), rgb(192, 150, 100), belt);
        colour = mix(colour, rgb(252, 240, 205), smoothstep(6, 2, std::abs(lat)) * 0.7); // the bright equator
        return mix(colour, rgb(150, 162, 165), smoothstep(58, 80, std::abs(lat)));
    };
    globe.rings = {1.24, 2.27, saturnRing};
    return globe;
}

Globe jupiter(const Placement& at, double roll)
{
    Globe globe = placed(at);
    globe.roll = roll;
    globe.limbDarkening = 0.5;
    globe.surface = [](const SurfacePoint& p) {
        const double swirl = fractal(p.x * 6, p.y * 6, p.z * 30, 5, 9) - 0.5;
        const double lat = qRadiansToDegrees(p.latitude()) + 2.5 * swirl;
        // Belts (dark) at their latitudes, zones (light) between.
        const double belt = beltDarkness(
            lat, {{12, 6, 1.0}, {-13, 6, 1.0}, {25, 3, 0.5}, {-27, 3, 0.45}, {35, 4, 0.4}, {-38, 4, 0.4}, {2, 2, 0.2}});
        Rgb colour = mix(rgb(236, 226, 206), rgb(168, 118, 82), belt);
        colour = mix(colour, rgb(150, 135, 120), smoothstep(45, 70, std::abs(lat)));
        // The Great Red Spot, an oval south of the southern belt.
        const double spotLat = (lat + 22) / 5, spotLon = (p.longitude() - 0.35) / 0.2;
        colour = mix(colour, rgb(200, 112, 78), smoothstep(1.1, 0.6, std::hypot(spotLat, spotLon)));
        return colour;
    };
    return globe;
}

Globe mars(const Placement& at, double detail)
{
    Globe globe = placed(at);
    globe.tilt = 20;
    globe.limbDarkening = 0.25;
    globe.haze = rgb(110, 125, 165) * (0.4 + 0.4 * detail);
    globe.surface = [detail](const SurfacePoint& p) {
        const double lat = qRadiansToDegrees(p.latitude());
        // Warped noise gives the dark markings ragged, flowing outlines.
        const double wx = p.x * 2.2 + 0.8 * fractal(p.x * 1.5, p.y * 1.5, p.z * 1.5, 3, 44);
        const double wy = p.y * 2.2 + 0.8 * fractal(p.x * 1.5 + 7, p.y * 1.5, p.z * 1.5, 3, 45);
        const double land = fractal(wx, wy, p.z * 2.2, 6, 41);
        const double belt = smoothstep(-65, -40, lat) * (1 - smoothstep(15, 45, lat)) + 0.5 * smoothstep(35, 50, lat);
        const double dark = smoothstep(0.45, 0.6, land) * std::min(1.0, belt) * (0.7 + 0.25 * detail);
        const double tone = fractal(p.x * 7, p.y * 7, p.z * 7, 5, 43);
        Rgb colour = mix(rgb(214, 120, 62), rgb(236, 160, 96), tone * (0.4 + 0.6 * detail));
        colour = mix(colour, rgb(110, 62, 42), dark);
        const double capEdge = 70 + 5 * (fractal(p.x * 8, p.y * 8, 0, 3, 47) - 0.5) * 2;
        return mix(colour, rgb(250, 250, 248), smoothstep(capEdge - 2, capEdge + 1, lat));
    };
    return globe;
}

Globe moon(const Placement& at, bool craters)
{
    Globe globe = placed(at);
    globe.limbDarkening = 0;
    globe.dustySurface = true;
    globe.surface = moonSurface;
    if (craters) {
        globe.relief = craterRelief(3, 5000, 0.005, 0.09);
        globe.reliefScale = 1.5;
    }
    return globe;
}

Globe venus(const Placement& at)
{
    Globe globe = placed(at);
    globe.limbDarkening = 0.1;
    globe.surface = [](const SurfacePoint& p) {
        return mix(rgb(255, 252, 236), rgb(245, 236, 205), fractal(p.x * 2, p.y * 2, p.z * 2, 3, 61)) * 1.15;
    };
    return globe;
}

Globe hazyMoon(const Placement& at)
{
    Globe globe = placed(at);
    globe.surface = [](const SurfacePoint&) { return rgb(222, 150, 70); };
    globe.haze = rgb(120, 90, 40);
    return globe;
}

Globe iceMoon(const Placement& at)
{
    Globe globe = placed(at);
    globe.limbDarkening = 0;
    globe.surface = [](const SurfacePoint& p) {
        const double tone = fractal(p.x * 6, p.y * 6, p.z * 6, 5, 71);
        const double crack = smoothstep(0.015, 0.0, std::abs(fractal(p.x * 9, p.y * 9, p.z * 9, 4, 73) - 0.5));
        return mix(rgb(240, 244, 250) * (0.9 + 0.15 * tone), rgb(150, 175, 205), crack * 0.55);
    };
    globe.relief = craterRelief(8, 9000, 0.0015, 0.02);
    globe.reliefScale = 0.6;
    return globe;
}

} // namespace pictures
