// The "Telescopic Views" pictures as a telescope in orbit photographs them:
// sharp planets, a nebula with tall pillars of gas and a spiral galaxy.
#include "bodies.h"
#include "painting.h"
#include "pictures.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

const QSize PhotoSize(244, 184);

QImage blackSky(int resolution, std::uint32_t seed, int stars)
{
    QImage image = canvas(PhotoSize, resolution);
    image.fill(Qt::black);
    QPainter p(&image);
    paintStars(p, QRectF(0, 0, PhotoSize.width(), PhotoSize.height()), stars, seed, 0.6);
    return image;
}

QImage marsPhoto(int resolution)
{
    QImage image = blackSky(resolution, 61, 0);
    paintGlobe(image, mars({{122, 92}, 82, 0.3, -0.12, 1}, 1));
    return image;
}

QImage saturnPhoto(int resolution)
{
    QImage image = blackSky(resolution, 63, 0);
    paintGlobe(image, saturn({{122, 94}, 50, 0.5, -0.25, 0.83}, 24, -6));
    QPainter p(&image); // a few of the moons
    for (QPointF at : {QPointF(18, 128), QPointF(226, 52), QPointF(36, 40)})
        paintGlow(p, at, 2.2, QColor(235, 225, 205));
    return image;
}

// A column of cold gas and dust rising from the bottom of the picture,
// narrowing upwards to a rounded head.
struct Pillar {
    double baseX, baseWidth, topY, topWidth, lean;

    double distance(double x, double y) const // negative inside
    {
        const double h = PhotoSize.height(), along = std::max(y, topY);
        const double t = std::clamp((h - along) / (h - topY), 0.0, 1.0);
        const double centre = baseX + lean * (h - along) + 14 * (fractal(baseX, along / 45, 3, 7) - 0.5);
        const double halfWidth = (baseWidth + (topWidth - baseWidth) * std::sqrt(t)) / 2
                                 * (0.8 + 0.45 * fractal(baseX + 3, along / 20, 3, 8));
        if (y >= topY)
            return std::abs(x - centre) - halfWidth;
        return std::hypot(x - centre, (topY - y) * 1.2) - halfWidth;
    }
};

const Pillar pillars[] = {{70, 60, 26, 26, -0.1}, {146, 42, 86, 20, 0.05}, {208, 32, 118, 15, 0.12}};

// Signed distance to the nearest pillar or to the dust heaped along the
// bottom, with ragged edges.
double gasDistance(double x, double y)
{
    double d = (PhotoSize.height() - 14 - 10 * fractal(x / 30, 2.5, 3, 9)) - y;
    for (const Pillar& pillar : pillars)
        d = std::min(d, pillar.distance(x, y));
    return d + 12 * (fractal(x / 22, y / 22, 3, 111) - 0.5) + 5 * (fractal(x / 5, y / 5, 3, 112) - 0.5);
}

double gasAt(double x, double y) { return smoothstep(1.2, -1.2, gasDistance(x, y)); }

QImage pillarsPhoto(int resolution)
{
    QImage image = canvas(PhotoSize, resolution);
    shadePixels(image, [](double x, double y) {
        const double u = x / PhotoSize.width(), v = y / PhotoSize.height();
        // Glowing gas behind, brightest towards the hot stars above the picture.
        const double glow = fractal(u * 4, v * 4, 6, 101);
        Rgb behind = mix(rgb(12, 48, 64), rgb(95, 165, 160), glow) * (0.55 + 0.7 * (1 - v));
        behind = mix(behind, rgb(170, 140, 80), 0.35 * smoothstep(0.45, 0.75, fractal(u * 3 + 5, v * 3, 4, 102)));
        // The pillars: dark dusty insides, edges lit from above, and a faint
        // glow of gas boiling off the lit edges.
        const double d = gasDistance(x, y);
        const double gas = smoothstep(1.2, -1.2, d);
        const double litFrom = gasAt(x - 1.5, y - 3.5);
        const double glowOff = (1 - gas) * std::exp(-std::max(0.0, d) / 5) * gasAt(x + 2, y + 6);
        behind = behind + rgb(230, 190, 140) * (0.35 * glowOff);
        if (gas <= 0)
            return behind;
        const double rim = gas * (1 - litFrom) * (0.3 + 0.9 * fractal(x / 7, y / 7, 3, 104));
        const double streaks = fractal(x / 4, y / 16, 5, 103); // the gas is drawn out upwards
        const double depth = smoothstep(0, 14, -d);               // darker deep inside
        const Rgb dust = mix(rgb(170, 104, 56), rgb(34, 20, 18), depth * 0.75) * (0.45 + 0.9 * streaks)
                         * (0.55 + 0.6 * (1 - v));
        return mix(behind, dust, gas * 0.96) + rgb(255, 200, 140) * (0.9 * rim);
    });
    QPainter p(&image);
    paintStars(p, QRectF(0, 0, PhotoSize.width(), PhotoSize.height()), 70, 105, 0.8);
    paintSpikedStar(p, {196, 30}, 13, QColor(210, 225, 255));
    paintSpikedStar(p, {28, 150}, 10, QColor(255, 235, 200));
    paintSpikedStar(p, {120, 56}, 8, QColor(235, 240, 255));
    return image;
}

// A two-armed spiral seen nearly face on: a yellow core, blue arms dotted
// with pink star-forming knots, dark dust lanes along the arms' inner edges.
QImage galaxyPhoto(int resolution)
{
    QImage image = canvas(PhotoSize, resolution);
    const double turn = qDegreesToRadians(-30.0), squash = 0.72, pitch = std::tan(qDegreesToRadians(17.0));
    shadePixels(image, [&](double x, double y) {
        const double dx = x - 122, dy = y - 92;
        const double gx = dx * std::cos(turn) + dy * std::sin(turn);
        const double gy = (-dx * std::sin(turn) + dy * std::cos(turn)) / squash;
        const double r = std::hypot(gx, gy) + 0.01, angle = std::atan2(gy, gx);
        const double arm = angle - std::log(r / 6) / pitch; // constant along each arm
        const double along = 0.5 + 0.5 * std::cos(2 * arm);
        const double clumps = fractal(gx / 7, gy / 7, 4, 121);
        const double arms = std::pow(along, 2.5) * (0.6 + 0.8 * clumps) * std::exp(-r / 48) * smoothstep(5, 18, r);
        const double lane = std::pow(0.5 + 0.5 * std::cos(2 * (arm + 0.55)), 8) * smoothstep(8, 20, r) * std::exp(-r / 70);
        const double knots = smoothstep(0.68, 0.8, fractal(gx / 3, gy / 3, 3, 123)) * std::pow(along, 3) * std::exp(-r / 60);
        Rgb light = rgb(255, 226, 170) * (2.2 * std::exp(-r / 7.5)) // the core
                    + rgb(210, 205, 215) * (0.55 * std::exp(-r / 26))  // the smooth disc
                    + rgb(150, 180, 255) * (1.5 * arms) + rgb(255, 130, 190) * (1.2 * knots);
        light = light * (1 - 0.75 * lane);
        auto tone = [](double v) { return 1 - std::exp(-1.6 * v); }; // bright core without hard clipping
        return Rgb{tone(light.r), tone(light.g), tone(light.b)};
    });
    QPainter p(&image);
    paintStars(p, QRectF(0, 0, PhotoSize.width(), PhotoSize.height()), 45, 125, 0.7);
    paintSpikedStar(p, {210, 160}, 9, QColor(255, 240, 220));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 200, 170, 150)); // two far-off galaxies
    p.drawEllipse(QPointF(30, 34), 3.5, 1.4);
    p.drawEllipse(QPointF(218, 22), 2.4, 1.6);
    return image;
}

} // namespace

std::vector<PictureFile> spaceTelescopePictures()
{
    return {
        {"Images/marsh.jpg", marsPhoto},
        {"Images/saturnh.jpg", saturnPhoto},
        {"Images/eagleh.jpg", pillarsPhoto},
        {"Images/galaxyh.jpg", galaxyPhoto},
    };
}
const Subject registered{spaceTelescopePictures};

} // namespace pictures
