#include "labelling/globe.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace labelling {

namespace {

// The continents in outline, longitude and latitude in degrees: enough to
// show a class the Earth turning, not a map.
const std::vector<std::vector<QPointF>>& continents()
{
    static const std::vector<std::vector<QPointF>> all{
        // Africa
        {{-17, 15}, {-17, 21}, {-13, 28}, {-6, 36}, {10, 37}, {20, 32}, {32, 31}, {34, 28}, {43, 12}, {51, 11},
         {40, -5}, {40, -15}, {35, -25}, {20, -35}, {17, -29}, {12, -17}, {13, -5}, {9, 4}, {-8, 4}},
        // Europe and Asia
        {{-10, 36}, {-9, 43}, {-2, 44}, {-5, 48}, {2, 51}, {8, 54}, {10, 58}, {5, 62}, {15, 69}, {28, 71},
         {40, 67}, {60, 69}, {80, 73}, {105, 78}, {140, 72}, {170, 70}, {180, 66}, {160, 60}, {142, 52},
         {135, 43}, {127, 35}, {121, 31}, {120, 22}, {108, 18}, {105, 9}, {100, 13}, {98, 8}, {92, 22},
         {80, 15}, {77, 8}, {72, 20}, {66, 25}, {57, 25}, {59, 22}, {52, 16}, {43, 13}, {35, 28}, {34, 31},
         {36, 36}, {27, 37}, {23, 35}, {20, 40}, {13, 45}, {16, 38}, {8, 44}, {3, 43}, {-2, 37}},
        // Great Britain
        {{-5, 50}, {1, 51}, {0, 53}, {-2, 56}, {-5, 58}, {-6, 56}, {-3, 54}, {-5, 52}},
        // North America
        {{-168, 66}, {-160, 70}, {-140, 70}, {-120, 69}, {-95, 72}, {-80, 73}, {-62, 66}, {-55, 52}, {-66, 45},
         {-70, 41}, {-76, 35}, {-81, 31}, {-80, 25}, {-83, 29}, {-90, 29}, {-97, 27}, {-97, 21}, {-88, 21},
         {-87, 15}, {-83, 9}, {-78, 8}, {-92, 15}, {-105, 20}, {-110, 24}, {-114, 31}, {-117, 33}, {-124, 40},
         {-124, 48}, {-130, 55}, {-140, 60}, {-152, 58}, {-165, 61}},
        // Greenland
        {{-55, 60}, {-45, 60}, {-20, 70}, {-20, 82}, {-40, 83}, {-60, 80}, {-72, 77}, {-55, 68}},
        // South America
        {{-80, 8}, {-77, 8}, {-60, 10}, {-50, 0}, {-35, -5}, {-39, -15}, {-48, -26}, {-58, -35}, {-65, -42},
         {-68, -55}, {-75, -50}, {-73, -37}, {-71, -18}, {-81, -5}, {-80, 1}},
        // Australia
        {{114, -22}, {122, -18}, {130, -12}, {137, -12}, {142, -11}, {146, -19}, {153, -26}, {150, -37},
         {141, -38}, {131, -31}, {115, -34}},
        // Antarctica
        {{-180, -70}, {180, -70}, {180, -90}, {-180, -90}},
    };
    return all;
}

QImage landMap()
{
    QImage map(360, 180, QImage::Format_Grayscale8);
    map.fill(0);
    QPainter p(&map);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const std::vector<QPointF>& outline : continents()) {
        QPolygonF shape;
        for (const QPointF& lonLat : outline)
            shape << QPointF(lonLat.x() + 180, 90 - lonLat.y());
        p.drawPolygon(shape);
    }
    return map;
}

double degrees(double radians) { return radians * 180 / std::numbers::pi; }

} // namespace

namespace {
unsigned lit(const QColor& colour, double light, double cover)
{
    const double k = light * cover; // premultiplied by the cover
    return qRgba(int(colour.red() * k), int(colour.green() * k), int(colour.blue() * k), int(255 * cover));
}
int mapColumn(double longitude) { return static_cast<int>(std::fmod(std::fmod(longitude + 180, 360) + 360, 360)) % 360; }
int mapRow(double latitude) { return std::clamp(static_cast<int>(90 - latitude), 0, 179); }
} // namespace

Globe::Globe(const OrbitScene& scene, double pixelRadius) : map_(landMap())
{
    const int half = static_cast<int>(std::ceil(pixelRadius)) + 1;
    image_ = QImage(2 * half, 2 * half, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    const double e = scene.viewElevation * std::numbers::pi / 180;
    // Light from the upper left and in front: x, up, towards the viewer.
    const double lx = -0.5, lu = 0.55, ld = 0.67, ll = std::hypot(lx, lu, ld);
    for (int py = 0; py < image_.height(); ++py)
        for (int px = 0; px < image_.width(); ++px) {
            const double x = (px + 0.5 - half) / pixelRadius, up = (half - py - 0.5) / pixelRadius;
            const double r = std::hypot(x, up);
            const double cover = std::clamp((1 - r) * pixelRadius + 0.5, 0.0, 1.0);
            if (cover <= 0)
                continue;
            const double depth = std::sqrt(std::max(0.0, 1 - std::min(1.0, r * r)));
            // Back from the view to the globe's own axes (the inverse of the scene's view).
            const double y = up * std::cos(e) + depth * std::sin(e);
            const double z = depth * std::cos(e) - up * std::sin(e);
            const double light = 0.25 + 0.75 * std::max(0.0, (x * lx + up * lu + depth * ld) / ll);
            const double latitude = degrees(std::asin(std::clamp(y, -1.0, 1.0)));
            const bool ice = std::abs(latitude) > 72; // sea ice round the poles
            spots_.push_back({px, py, mapRow(latitude), mapColumn(degrees(std::atan2(x, z))),
                              lit(ice ? QColor(235, 240, 245) : QColor(30, 90, 190), light, cover),
                              lit(ice ? QColor(235, 240, 245) : QColor(70, 150, 60), light, cover)});
        }
}

bool Globe::land(double latitude, double longitude) const
{
    return map_.constScanLine(mapRow(latitude))[mapColumn(longitude)] > 127;
}

const QPixmap& Globe::picture(int turnDegrees)
{
    if (turnDegrees == pictureTurn_)
        return picture_;
    const int turn = ((turnDegrees % 360) + 360) % 360;
    for (const Spot& s : spots_) {
        const bool ground = map_.constScanLine(s.row)[(s.column - turn + 360) % 360] > 127;
        reinterpret_cast<QRgb*>(image_.scanLine(s.y))[s.x] = ground ? s.land : s.sea;
    }
    picture_ = QPixmap::fromImage(image_);
    pictureTurn_ = turnDegrees;
    return picture_;
}

} // namespace labelling
