#include "labelling/orbitview.h"
#include "forms/screen.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace labelling {

namespace {

const QColor OrbitColour(200, 210, 235);
const QColor AxisColour(235, 235, 245);
const QColor EquatorColour(255, 120, 60);
const QColor LeaderColour(255, 255, 0);
constexpr int LeaderWidth = 2;       // pixels, as the screen's other leader lines
constexpr double SatelliteReach = 14; // pixels from a satellite's centre to the edge of its drawing
constexpr int EarthStepDegrees = 2; // the globe is repainted each time it turns this far

QRectF around(QPointF centre, double reach) { return {centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)}; }

// A thin line's region as a chain of small boxes, so that a long diagonal
// repaints a strip, not the whole rectangle it spans.
QRegion lineRegion(QPointF a, QPointF b)
{
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const int pieces = std::max(1, static_cast<int>(length / 40));
    QRegion region;
    for (int k = 0; k < pieces; ++k) {
        const QPointF from = a + (b - a) * (double(k) / pieces), to = a + (b - a) * (double(k + 1) / pieces);
        region += QRectF(from, to).normalized().adjusted(-3, -3, 3, 3).toAlignedRect();
    }
    return region;
}

// A satellite: a gold body between two blue solar panels.
void paintSatellite(QPainter& p, QPointF at)
{
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(60, 110, 220));
    p.drawRect(QRectF(at.x() - 12, at.y() - 3.5, 8, 7));
    p.drawRect(QRectF(at.x() + 4, at.y() - 3.5, 8, 7));
    p.setBrush(QColor(235, 190, 70));
    p.drawRect(QRectF(at.x() - 4, at.y() - 4.5, 8, 9));
}

} // namespace

OrbitView::OrbitView(QWidget* screen, const OrbitScene& scene, const forms::TwipRect& area, const QColor& background,
                     const forms::TwipRect& polarTarget, const forms::TwipRect& geostationaryTarget)
    : QWidget(screen), scene_(scene), area_(area), targets_{polarTarget, geostationaryTarget},
      globe_(scene, scene.earthRadius / forms::TwipsPerPixel)
{
    setObjectName(QStringLiteral("OrbitView"));
    setGeometry(forms::toPixels(area, forms::scaleOf(*screen)));
    // The screen beneath handles the pointer, as over its bare background.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The view paints all of itself, so the screen beneath is not repainted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The leader lines start at their targets' edges: a repaint need not
    // reach into the targets, nor the labels lying on them.
    for (const forms::TwipRect& t : targets_)
        targetsRegion_ += QRectF(pixel({t.left, t.top}), QSizeF(t.width, t.height) / forms::TwipsPerPixel).toAlignedRect();
    paintLayers(background);
}

QPointF OrbitView::pixel(QPointF twips) const
{
    return (twips - QPointF(area_.left, area_.top)) / forms::TwipsPerPixel;
}

ViewPoint OrbitView::shown(Moving satellite) const
{
    const double at = shownAt_[std::size_t(satellite)];
    return satellite == Polar ? scene_.polarSatellite(at) : scene_.geostationarySatellite(at);
}

QPointF OrbitView::leaderEnd(Moving satellite) const { return shown(satellite).at; }

// From the point of the target nearest the satellite.
QPointF OrbitView::leaderStart(Moving satellite) const
{
    const forms::TwipRect& t = targets_[std::size_t(satellite)];
    const QPointF end = leaderEnd(satellite);
    return {std::clamp(end.x(), double(t.left), double(t.left + t.width)),
            std::clamp(end.y(), double(t.top), double(t.top + t.height))};
}

int OrbitView::earthStep(double seconds) const
{
    return static_cast<int>(std::floor(scene_.earthTurn(seconds) / EarthStepDegrees)) % (360 / EarthStepDegrees);
}

// A satellite as shown and its leader line.
QRegion OrbitView::satelliteRegion(Moving satellite) const
{
    return QRegion(around(pixel(leaderEnd(satellite)), SatelliteReach).toAlignedRect())
           + lineRegion(pixel(leaderStart(satellite)), pixel(leaderEnd(satellite)));
}

void OrbitView::advance(double seconds)
{
    if (seconds <= 0)
        return;
    seconds_ += seconds;
    lastRepaint_ = QRegion();
    for (Moving m : {Polar, Geostationary}) {
        const QPointF now = pixel((m == Polar ? scene_.polarSatellite(seconds_) : scene_.geostationarySatellite(seconds_)).at);
        if (now.toPoint() == pixel(leaderEnd(m)).toPoint())
            continue;
        lastRepaint_ += satelliteRegion(m);
        shownAt_[std::size_t(m)] = seconds_;
        lastRepaint_ += satelliteRegion(m);
    }
    if (earthStep(seconds_) != shownEarthStep_) {
        shownEarthStep_ = earthStep(seconds_);
        lastRepaint_ += around(pixel(scene_.centre), scene_.earthRadius / forms::TwipsPerPixel + 2).toAlignedRect();
    }
    lastRepaint_ -= targetsRegion_;
    if (!lastRepaint_.isEmpty())
        update(lastRepaint_);
}

// The still parts, split by the globe: what lies behind it and what in front.
void OrbitView::paintLayers(const QColor& background)
{
    const qreal ratio = devicePixelRatioF();
    for (QPixmap* layer : {&behind_, &inFront_}) {
        *layer = QPixmap(size() * ratio);
        layer->setDevicePixelRatio(ratio);
    }
    behind_.fill(background);
    inFront_.fill(Qt::transparent);
    QPainter back(&behind_), front(&inFront_);
    for (QPainter* p : {&back, &front})
        p->setRenderHint(QPainter::Antialiasing);

    // Orbits: each stretch goes to the layer of its side of the globe.
    auto trace = [&](auto pointAt, const QPen& pen) {
        for (QPainter* p : {&back, &front})
            p->setPen(pen);
        ViewPoint previous = pointAt(0.0);
        for (int k = 1; k <= 360; ++k) {
            const ViewPoint next = pointAt(double(k));
            (previous.nearSide && next.nearSide ? front : back).drawLine(pixel(previous.at), pixel(next.at));
            previous = next;
        }
    };
    trace([this](double d) { return scene_.onPolarOrbit(d); }, QPen(OrbitColour, 1.5));
    trace([this](double d) { return scene_.onSphere(scene_.geostationaryRadius, 0, d); }, QPen(OrbitColour, 1.5));

    // The axis through the poles, a third of a radius beyond each; the globe
    // hides its middle, and the north end stands in front of it.
    const double beyond = scene_.earthRadius * 1.35;
    back.setPen(QPen(AxisColour, 2, Qt::DashLine));
    back.drawLine(pixel(scene_.onSphere(beyond, -90, 0).at), pixel(scene_.onSphere(beyond, 90, 0).at));
    front.setPen(QPen(AxisColour, 2, Qt::DashLine));
    front.drawLine(pixel(scene_.onSphere(scene_.earthRadius, 90, 0).at), pixel(scene_.onSphere(beyond, 90, 0).at));

    // The equator's near half, on the globe.
    front.setPen(QPen(EquatorColour, 2.5));
    for (int k = -90; k < 90; k += 2)
        front.drawLine(pixel(scene_.onSphere(scene_.earthRadius, 0, k).at),
                       pixel(scene_.onSphere(scene_.earthRadius, 0, k + 2).at));
}

// The globe, turned by whole degrees, with the place beneath the
// geostationary satellite marked.
void OrbitView::paintEarth(QPainter& p)
{
    const int turn = shownEarthStep_ * EarthStepDegrees;
    const QPixmap& globe = globe_.picture(turn);
    const QPointF centre = pixel(scene_.centre);
    p.drawPixmap(QPointF(centre.x() - globe.width() / 2.0, centre.y() - globe.height() / 2.0), globe);
    const ViewPoint beneath = scene_.onSphere(scene_.earthRadius, 0, scene_.geostationaryLongitude, turn);
    if (beneath.nearSide) {
        p.setPen(QPen(QColor(40, 20, 20), 1));
        p.setBrush(QColor(255, 60, 60));
        p.drawEllipse(pixel(beneath.at), 3.5, 3.5);
    }
}

// Layers are copied rectangle by rectangle: a whole-view copy through a
// ragged clip would touch every pixel of the view.
void OrbitView::paintEvent(QPaintEvent* event)
{
    const QRegion& region = event->region();
    QPainter p(this);
    auto copy = [&](const QPixmap& layer) {
        const qreal ratio = layer.devicePixelRatio();
        for (const QRect& r : region)
            p.drawPixmap(QRectF(r), layer, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    };
    copy(behind_);
    p.setClipRegion(region);
    p.setRenderHint(QPainter::Antialiasing);
    const ViewPoint satellites[] = {shown(Polar), shown(Geostationary)};
    for (const ViewPoint& s : satellites)
        if (!s.nearSide)
            paintSatellite(p, pixel(s.at));
    const QRectF earth = around(pixel(scene_.centre), scene_.earthRadius / forms::TwipsPerPixel + 1);
    if (region.intersects(earth.toAlignedRect()))
        paintEarth(p);
    p.setClipping(false);
    copy(inFront_);
    p.setClipRegion(region);
    for (const ViewPoint& s : satellites)
        if (s.nearSide)
            paintSatellite(p, pixel(s.at));
    p.setPen(QPen(LeaderColour, LeaderWidth));
    for (Moving m : {Polar, Geostationary})
        p.drawLine(pixel(leaderStart(m)), pixel(leaderEnd(m)));
}

} // namespace labelling
