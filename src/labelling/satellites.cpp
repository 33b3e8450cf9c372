// Satellites: the Earth turns, a polar satellite circles it many times a day
// and a geostationary one keeps above the same place. The targets and the
// leader lines to the still parts stand still; the view moves on the
// program's animation clock while the screen is shown.
#include "labelling/satellites.h"
#include "labelling/activity.h"
#include "labelling/orbits.h"
#include "labelling/orbitview.h"
#include "forms/accessible.h"
#include "forms/screens.h"

#include <algorithm>

namespace labelling {

namespace {

constexpr char Title[] = "Satellites";

void buildOrbitView(LabellingActivity& screen)
{
    const ActivityData& d = satellitesActivity();
    auto* view = new OrbitView(&screen, satelliteScene(), OrbitArea, d.background, d.items[PolarSatelliteTarget].target(),
                               d.items[GeostationarySatelliteTarget].target());
    view->lower(); // beneath the targets, the lines and the labels
    forms::setAccessibleRole(*view, QAccessible::Graphic);
    view->setAccessibleName(QStringLiteral("Diagram of two satellites, not to scale"));
    view->setAccessibleDescription(QStringLiteral(
        "A turning globe with an orange line round its middle; one satellite circles it many times a day on a circle "
        "passing over the poles, and another moves on a wide circle round the middle, keeping above the same place"));
    screen.screens().animationClock().animate(screen, OrbitView::FramesPerSecond,
                                              [view](double seconds) { view->advance(seconds); });
}

ActivityData satellites()
{
    const OrbitScene& scene = satelliteScene();
    ActivityData d;
    d.screen = "satellites";
    d.caption = Title;
    d.background = QColor(6, 10, 40);
    d.answerPoints = 12;
    //         answer                     target        size        home
    d.items = {{"Earth",                   8760, 1800,   3120, 375,  600, 6720, "the globe at the centre"},
               {"equator",                 8760, 4560,   3120, 375,  8400, 7320, "the orange line round the middle of the globe"},
               {"polar orbit",             120, 1440,    3120, 375,  4560, 6720, "the circle passing over the north and south poles"},
               {"geostationary orbit",     120, 5040,    3120, 375,  600, 7320, "the wide circle round the middle of the globe, far out"},
               {"polar satellite",         8760, 840,    3120, 375,  8400, 6720, "the satellite moving on the circle over the poles"},
               {"geostationary satellite", 120, 5880,    3120, 375,  4560, 7320, "the satellite on the wide circle, keeping above the same place"}};
    d.texts = {{"instruction", -1, "Label this diagram of two satellites.", {120, 120, 7200, 585}, timesText(24)},
               {"note", -1, "Not to scale", {8760, 5640, 3120, 465}, noteText()}};
    d.scoreLine = {"scoreLine", {7560, 120, 4200, 585}, 24};
    // The still parts: a point inside the globe, the near half of the
    // equator, the polar orbit over the north-west, the near side of the
    // geostationary orbit.
    const QPointF earth = scene.centre + QPointF(0.5, -0.5) * scene.earthRadius;
    const QPointF equator = scene.onSphere(scene.earthRadius, 0, 50).at;
    const QPointF polar = scene.onPolarOrbit(315).at;
    const QPointF geostationary = scene.onSphere(scene.geostationaryRadius, 0, -65).at;
    auto line = [&d](int index, int target, QPointF part) {
        const forms::TwipRect box = d.items[std::size_t(target)].target();
        // From the point of the target nearest the part.
        const float x = std::clamp(float(part.x()), box.left, box.left + box.width);
        const float y = std::clamp(float(part.y()), box.top, box.top + box.height);
        return leaderLine(index, x, y, float(part.x()), float(part.y()));
    };
    d.lines = {line(0, 0, earth), line(1, 1, equator), line(2, 2, polar), line(3, 3, geostationary)};
    d.extras.build = buildOrbitView;
    return d;
}

} // namespace

const ActivityData& satellitesActivity()
{
    static const ActivityData data = satellites();
    return data;
}

LabellingTopic satellitesTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Pupils drag and drop labels onto a moving diagram of polar and geostationary satellites.",
                                     "Pupils could find out about real life examples of how satellites impinge on their lives (e.g. "
                                     "satellite television, GPS, weather forecasts)."}},
                          satellitesActivity());
}

} // namespace labelling
