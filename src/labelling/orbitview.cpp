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
constexpr int LeaderWidth = 2;       // design pixels, as the screen's other leader lines
constexpr double SatelliteReach = 14; // design pixels from a satellite's centre to the edge of its drawing
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
    : Control(screen, QStringLiteral("OrbitView")), scene_(scene), background_(background),
      targets_{polarTarget, geostationaryTarget}
{
    // The screen beneath handles the pointer, as over its bare background.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The view paints all of itself, so the screen beneath is not repainted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    place(area.left, area.top, area.width, area.height); // the layers follow, at these pixels
}

QPointF OrbitView::pixel(QPointF twips) const
{
    return (twips - QPointF(left(), top())) / forms::TwipsPerPixel;
}

// As forms::paintInDesignPixels scales the view's painters.
QSizeF OrbitView::designToPixels() const
{
    const QRect design = forms::designArea(twips());
    return design.isEmpty() ? QSizeF(1, 1) : QSizeF(double(width()) / design.width(), double(height()) / design.height());
}

QRegion OrbitView::inPixels(const QRectF& design) const
{
    const QSizeF k = designToPixels();
    return QRectF(design.x() * k.width(), design.y() * k.height(), design.width() * k.width(), design.height() * k.height())
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

// The view's own pixels changed (it was placed, or the scale changed): the
// still layers, the leader lines' targets and the globe are made for them.
void OrbitView::twipsChanged()
{
    if (width() <= 0 || height() <= 0)
        return;
    // The leader lines start at their targets' edges: a repaint need not
    // reach into the targets, nor the labels lying on them. The targets'
    // pixels lie wholly inside them, so nothing drawn outside is left stale.
    const QSizeF k = designToPixels();
    targetsRegion_ = QRegion();
    for (const forms::TwipRect& t : targets_) {
        const QPointF from = pixel({t.left, t.top}), to = pixel({t.left + t.width, t.top + t.height});
        const QPoint inFrom(int(std::ceil(from.x() * k.width())), int(std::ceil(from.y() * k.height())));
        const QPoint inTo(int(std::floor(to.x() * k.width())), int(std::floor(to.y() * k.height())));
        if (inTo.x() > inFrom.x() && inTo.y() > inFrom.y())
            targetsRegion_ += QRect(inFrom, inTo - QPoint(1, 1));
    }
    const double ratio = k.width() * devicePixelRatioF();
    if (!globe_ || ratio != globeRatio_) {
        globe_.emplace(scene_, scene_.earthRadius / forms::TwipsPerPixel * ratio);
        globeRatio_ = ratio;
    }
    paintLayers();
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
    QRegion region = inPixels(around(pixel(leaderEnd(satellite)), SatelliteReach));
    for (const QRect& piece : lineRegion(pixel(leaderStart(satellite)), pixel(leaderEnd(satellite))))
        region += inPixels(piece);
    return region;
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
        lastRepaint_ += inPixels(around(pixel(scene_.centre), scene_.earthRadius / forms::TwipsPerPixel + 2));
    }
    lastRepaint_ -= targetsRegion_;
    if (!lastRepaint_.isEmpty())
        update(lastRepaint_);
}

// The still parts, split by the globe: what lies behind it and what in front.
void OrbitView::paintLayers()
{
    const qreal ratio = devicePixelRatioF();
    for (QPixmap* layer : {&behind_, &inFront_}) {
        *layer = QPixmap(size() * ratio);
        layer->setDevicePixelRatio(ratio);
    }
    behind_.fill(background_);
    inFront_.fill(Qt::transparent);
    QPainter back(&behind_), front(&inFront_);
    for (QPainter* p : {&back, &front}) {
        p->setRenderHint(QPainter::Antialiasing);
        forms::paintInDesignPixels(*p, twips(), size());
    }

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
// geostationary satellite marked. The painter paints in the view's own
// pixels, as the globe's picture is made for them.
void OrbitView::paintEarth(QPainter& p)
{
    const int turn = shownEarthStep_ * EarthStepDegrees;
    const QPixmap& globe = globe_->picture(turn);
    const QSizeF k = designToPixels(), half = QSizeF(globe.size()) / (2 * devicePixelRatioF());
    const QPointF centre = pixel(scene_.centre);
    p.drawPixmap(QRectF(QPointF(centre.x() * k.width(), centre.y() * k.height()) - QPointF(half.width(), half.height()),
                        half * 2),
                 globe, QRectF(globe.rect()));
    const ViewPoint beneath = scene_.onSphere(scene_.earthRadius, 0, scene_.geostationaryLongitude, turn);
    if (beneath.nearSide) {
        p.save();
        forms::paintInDesignPixels(p, twips(), size());
        p.setPen(QPen(QColor(40, 20, 20), 1));
        p.setBrush(QColor(255, 60, 60));
        p.drawEllipse(pixel(beneath.at), 3.5, 3.5);
        p.restore();
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
    // What moves, drawn in design pixels through the clip of the repaint.
    auto inDesignPixels = [&](auto draw) {
        p.save();
        p.setClipRegion(region);
        p.setRenderHint(QPainter::Antialiasing);
        forms::paintInDesignPixels(p, twips(), size());
        draw();
        p.restore();
    };
    const ViewPoint satellites[] = {shown(Polar), shown(Geostationary)};
    copy(behind_);
    inDesignPixels([&] {
        for (const ViewPoint& s : satellites)
            if (!s.nearSide)
                paintSatellite(p, pixel(s.at));
    });
    if (region.intersects(inPixels(around(pixel(scene_.centre), scene_.earthRadius / forms::TwipsPerPixel + 1)))) {
        p.save();
        p.setClipRegion(region);
        p.setRenderHint(QPainter::Antialiasing);
        paintEarth(p);
        p.restore();
    }
    copy(inFront_);
    inDesignPixels([&] {
        for (const ViewPoint& s : satellites)
            if (s.nearSide)
                paintSatellite(p, pixel(s.at));
        p.setPen(QPen(LeaderColour, LeaderWidth));
        for (Moving m : {Polar, Geostationary})
            p.drawLine(pixel(leaderStart(m)), pixel(leaderEnd(m)));
    });
}

} // namespace labelling
