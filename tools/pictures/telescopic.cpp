// The "Telescopic Views" pictures as the eye sees the sky, and as a small
// telescope shows the planets, a double star and the Moon.
#include "bodies.h"
#include "painting.h"
#include "pictures.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace pictures {

namespace {

const QSize NakedEyeSize(244, 184);
const QSize EyepieceSize(184, 139);

// A sky from zenith to horizon with a glow low down (twilight, or a town's
// lights at night).
QImage sky(int resolution, QSize size, Rgb zenith, Rgb middle, Rgb horizon)
{
    QImage image = canvas(size, resolution);
    shadePixels(image, [&](double, double y) {
        const double t = y / size.height();
        return t < 0.55 ? mix(zenith, middle, t / 0.55) : mix(middle, horizon, (t - 0.55) / 0.45);
    });
    return image;
}

// Dark rolling ground with a few trees and a house along the bottom.
void paintHorizon(QImage& image, std::uint32_t seed, double level, QColor colour)
{
    const double w = designRect(image).width(), h = designRect(image).height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath ground;
    ground.moveTo(0, h);
    for (double x = 0; x <= w; x += 2)
        ground.lineTo(x, h - level - 14 * (fractal(x / 70, 0.3, 4, seed) - 0.5));
    ground.lineTo(w, h);
    p.drawPath(ground);
    Random random(seed);
    for (int i = 0; i < 8; ++i) { // round-topped trees and firs
        const double x = random.between(0, w), height = random.between(8, 20);
        const double base = h - level - 14 * (fractal(x / 70, 0.3, 4, seed) - 0.5) + 2;
        p.drawRect(QRectF(x - 1, base - height * 0.5, 2, height * 0.5));
        if (i % 3 == 2)
            p.drawPolygon(QPolygonF{{x - height * 0.3, base - height * 0.2}, {x, base - height * 1.3}, {x + height * 0.3, base - height * 0.2}});
        else
            p.drawEllipse(QPointF(x, base - height * 0.7), height * 0.32, height * 0.4);
    }
    const double houseX = w * 0.72, houseBase = h - level - 14 * (fractal(houseX / 70, 0.3, 4, seed) - 0.5) + 3;
    p.drawRect(QRectF(houseX, houseBase - 10, 20, 10));
    p.drawPolygon(QPolygonF{{houseX - 2, houseBase - 10}, {houseX + 10, houseBase - 17}, {houseX + 22, houseBase - 10}});
    p.setBrush(QColor(255, 205, 110));
    p.drawRect(QRectF(houseX + 4, houseBase - 7, 3, 3)); // a lit window
}

// The direction of the Sun that lights a given part of the Moon: phase 0 is
// full, 180 new; bearing is where the lit limb faces in the picture, in
// degrees clockwise from the right.
Placement litBy(QPointF centre, double radius, double phase, double bearing)
{
    const double a = qDegreesToRadians(phase), b = qDegreesToRadians(bearing);
    return {centre, radius, std::sin(a) * std::cos(b), std::sin(a) * std::sin(b), std::cos(a)};
}

QImage crescentMoonByEye(int resolution)
{
    QImage image = sky(resolution, NakedEyeSize, rgb(12, 22, 62), rgb(46, 78, 140), rgb(235, 150, 80));
    {
        QPainter p(&image);
        paintStars(p, QRectF(0, 0, 244, 70), 25, 21, 0.45);
    }
    Globe crescent = moon(litBy({150, 78}, 15, 125, 35), false);
    crescent.ambient = 0.05; // earthshine on the dark part
    crescent.behindAir = true;
    paintGlobe(image, crescent);
    paintHorizon(image, 23, 26, QColor(14, 12, 20));
    return image;
}

QImage fullMoonByEye(int resolution)
{
    QImage image = sky(resolution, NakedEyeSize, rgb(4, 8, 26), rgb(14, 26, 64), rgb(40, 52, 86));
    {
        QPainter p(&image);
        paintStars(p, QRectF(0, 0, 244, 130), 40, 31, 0.5);
        paintGlow(p, {118, 66}, 70, QColor(150, 170, 210, 90));
    }
    paintGlobe(image, moon(litBy({118, 66}, 28, 4, 0), false));
    paintHorizon(image, 33, 22, QColor(6, 8, 14));
    return image;
}

QImage annularEclipseByEye(int resolution)
{
    QImage image = sky(resolution, NakedEyeSize, rgb(20, 20, 34), rgb(48, 40, 52), rgb(120, 74, 50));
    const QPointF centre(122, 76);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintGlow(p, centre, 95, QColor(255, 150, 60, 120));
        paintGlow(p, centre, 50, QColor(255, 205, 110, 255));
    }
    Globe sun;
    sun.centre = centre;
    sun.radius = 33;
    sun.glows = true;
    sun.limbDarkening = 0.1;
    sun.surface = [](const SurfacePoint&) { return rgb(255, 238, 150); };
    paintGlobe(image, sun);
    {
        QPainter p(&image); // the Moon, a little too small to cover the Sun
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(14, 12, 16));
        p.drawEllipse(centre + QPointF(0.6, 0.4), 29, 29);
    }
    paintHorizon(image, 43, 22, QColor(12, 10, 14));
    return image;
}

QImage moonAndVenusByEye(int resolution)
{
    QImage image = sky(resolution, NakedEyeSize, rgb(8, 14, 48), rgb(34, 56, 118), rgb(215, 120, 70));
    {
        QPainter p(&image);
        paintStars(p, QRectF(0, 0, 244, 80), 30, 41, 0.5);
    }
    Globe crescent = moon(litBy({92, 92}, 14, 115, 55), false);
    crescent.ambient = 0.05;
    crescent.behindAir = true;
    paintGlobe(image, crescent);
    {
        QPainter p(&image);
        paintGlow(p, {166, 62}, 16, QColor(255, 250, 235, 120));
        paintGlow(p, {166, 62}, 4.5, QColor(255, 255, 250, 255));
    }
    paintHorizon(image, 24, 20, QColor(12, 12, 22));
    return image;
}

// A view through a small telescope: the scene on a dark sky, softened by the
// air and the optics, inside the eyepiece's round field.
QImage eyepieceView(int resolution, double softness, const std::function<void(QImage&)>& scene)
{
    QImage image = canvas(EyepieceSize, resolution);
    image.fill(QColor(8, 10, 16));
    scene(image);
    image = blurred(image, softness);
    eyepieceField(image, {92, 69.5}, 68);
    return image;
}

QImage marsByTelescope(int resolution)
{
    return eyepieceView(resolution, 1.3, [](QImage& image) { paintGlobe(image, mars({{92, 69}, 24, 0.25, -0.1, 1}, 0)); });
}

QImage venusByTelescope(int resolution)
{
    return eyepieceView(resolution, 1.2, [](QImage& image) {
        Globe crescent = venus(litBy({92, 69}, 36, 118, 0));
        crescent.behindAir = true;
        paintGlobe(image, crescent);
    });
}

QImage doubleStarByTelescope(int resolution)
{
    return eyepieceView(resolution, 0.9, [](QImage& image) {
        QPainter p(&image);
        paintStars(p, QRectF(20, 5, 144, 129), 45, 51, 0.7);
        paintGlow(p, {76, 80}, 20, QColor(255, 190, 80, 150));
        paintGlow(p, {76, 80}, 5.5, QColor(255, 225, 150, 255));
        paintGlow(p, {112, 56}, 13, QColor(110, 150, 255, 140));
        paintGlow(p, {112, 56}, 3.8, QColor(175, 200, 255, 255));
    });
}

QImage jupiterByTelescope(int resolution)
{
    return eyepieceView(resolution, 1.0, [](QImage& image) {
        const double roll = 8;
        paintGlobe(image, jupiter({{92, 69}, 22, 0.1, 0, 1}, roll));
        QPainter p(&image); // the four big moons lie along the equator
        for (double along : {-60.0, -36.0, 33.0, 52.0}) {
            const double angle = qDegreesToRadians(roll);
            paintGlow(p, QPointF(92 + along * std::cos(angle), 69 + along * std::sin(angle)), 2.6, QColor(245, 240, 225));
        }
    });
}

QImage saturnByTelescope(int resolution)
{
    return eyepieceView(resolution, 0.9, [](QImage& image) { paintGlobe(image, saturn({{92, 69}, 17, -0.15, -0.1, 1}, 22, -4)); });
}

QImage moonByTelescope(int resolution)
{
    return eyepieceView(resolution, 0.6, [](QImage& image) { paintGlobe(image, moon({{-20, 50}, 150, 0.8, 0.1, -0.45}, true)); });
}

} // namespace

std::vector<PictureFile> telescopicPictures()
{
    return {
        {"Images/crescentn.jpg", crescentMoonByEye},
        {"Images/moonn.jpg", fullMoonByEye},
        {"Images/eclipsen.jpg", annularEclipseByEye},
        {"Images/venusn.jpg", moonAndVenusByEye},
        {"Images/marst2.jpg", marsByTelescope},
        {"Images/venust.jpg", venusByTelescope},
        {"Images/albireot.jpg", doubleStarByTelescope},
        {"Images/jupitert2.jpg", jupiterByTelescope},
        {"Images/saturnt2.jpg", saturnByTelescope},
        {"Images/moont4.jpg", moonByTelescope},
    };
}
const Subject registered{telescopicPictures};

} // namespace pictures
