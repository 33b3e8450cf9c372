#pragma once
// Drawing helpers shared by the space pictures: seeded randomness and noise,
// star fields and glows, lit globes with rings, and the softness of a view
// through a small telescope. Every picture comes out the same on each build.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <functional>

namespace pictures {

// A colour with components from 0 to 1 (and beyond, before clamping).
struct Rgb {
    double r = 0, g = 0, b = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }
Rgb rgb(int red, int green, int blue);
QColor toColor(Rgb colour, double alpha = 1);

// A colour and how much of what lies behind it it hides.
struct Rgba {
    Rgb colour;
    double opacity = 0;
};

double smoothstep(double edge0, double edge1, double x);

// Seeded pseudo-random numbers (a 64-bit linear congruential generator).
class Random {
public:
    explicit Random(std::uint32_t seed);
    double uniform(); // [0, 1)
    double between(double low, double high);
    int below(int count);

private:
    std::uint64_t state;
};

// Smooth value noise in [0, 1] and its fractal sum over octaves, in two and
// three dimensions (three for surfaces of globes, which then have no seam).
double noise(double x, double y, std::uint32_t seed);
double fractal(double x, double y, int octaves, std::uint32_t seed);
double noise(double x, double y, double z, std::uint32_t seed);
double fractal(double x, double y, double z, int octaves, std::uint32_t seed);

// A picture's pixels at `resolution` pixels to each design pixel (1, or 2 and 3
// for its finer files), with that device pixel ratio, so that painters and the
// helpers below work in design pixels throughout.
QImage canvas(QSize designSize, int resolution, QImage::Format format = QImage::Format_RGB32);
// The picture's area in design pixels.
QRectF designRect(const QImage& image);

// Sets every pixel of the image to shade(x, y) at the pixel's centre, in
// design pixels.
void shadePixels(QImage& image, const std::function<Rgb(double x, double y)>& shade);

// Dots scattered at random over `area`, drawn only where they fall inside
// `shape` (grain, foam, soot, lumps of fuel), each coloured by `colour`. The
// pen is left off, as for the fills that follow such texture.
void speckle(QPainter& painter, const QPainterPath& shape, const QRectF& area, int count, std::uint32_t seed,
             QSizeF dotRadii, const std::function<QColor(Random&)>& colour);

// Scattered stars of random brightness and tint inside the area; the bright
// few get a soft halo. brightness scales them all (dim them near twilight).
void paintStars(QPainter& painter, const QRectF& area, int count, std::uint32_t seed, double brightness = 1);
// A round glow fading from colour at the centre to nothing at radius.
void paintGlow(QPainter& painter, QPointF centre, double radius, const QColor& colour);
// A bright star with the four thin spikes a space telescope's struts make.
void paintSpikedStar(QPainter& painter, QPointF centre, double size, const QColor& colour);

// Rings in a globe's equatorial plane; radii in globe radii.
struct Rings {
    double inner = 0, outer = 0;
    std::function<Rgba(double radius)> look; // colour and opacity across the rings
};

// A point on a globe in its own frame: x towards longitude 0, y towards
// longitude 90 degrees east, z towards the north pole; a unit vector.
struct SurfacePoint {
    double x, y, z;
    double latitude() const;  // radians
    double longitude() const; // radians
};

// A sphere lit by a distant light, drawn over what is already in the image.
// Picture space: x right, y down, z towards the viewer.
struct Globe {
    QPointF centre;
    double radius = 1;
    double tilt = 0; // degrees the north pole leans towards the viewer
    double roll = 0; // degrees the north pole turns clockwise from straight up
    double sunX = 0, sunY = 0, sunZ = 1; // direction towards the light
    std::function<Rgb(const SurfacePoint&)> surface;
    std::function<double(const SurfacePoint&)> relief; // height in radii, optional
    double reliefScale = 1;      // steepens the relief's slopes for shading
    double reliefTop = 0.02;     // no relief rises higher (ends the search for shadows)
    double limbDarkening = 0.35; // 0 for a dusty airless body
    bool dustySurface = false;   // an airless body: bright to the limb when full
    bool glows = false;          // a star: shines by its own light
    double ambient = 0;          // light on the night side (earthshine)
    Rgb haze{0, 0, 0};           // atmosphere colour added towards the limb
    Rings rings;                 // none when outer is 0
    double ringShadow = 0.85;    // how dark the rings' shadow on the globe is
    bool behindAir = false;      // seen through a lit sky: adds its light to the sky's
};
void paintGlobe(QImage& image, const Globe& globe);

// A Gaussian blur of the given radius (standard deviation, in design pixels).
QImage blurred(const QImage& image, double radius);
// Blacks out everything outside the round field of an eyepiece, with a
// slightly soft edge.
void eyepieceField(QImage& image, QPointF centre, double radius);

} // namespace pictures
