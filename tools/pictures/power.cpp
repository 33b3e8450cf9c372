// The power-station diagram of the Electricity Production screen: fuel and
// water go into the boiler furnace, steam drives the turbine, the turbine
// turns the electrical generator, and the step-up transformer sends the
// electricity away on the pylons. Each part stands where the screen's leader
// lines end, or above its target in the row beneath the diagram.
#include "diagram.h"
#include "pictures.h"
#include "labelling/generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QColor Outline(20, 24, 36);
const QColor Steel(150, 160, 176);
const QColor Lattice(200, 205, 215);
const QColor Cable(215, 220, 228);

// A pipe along a path: a dark edge, then the pipe's colour.
void pipe(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Outline, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(path);
}

// A small arrowhead at `tip` pointing along `direction`, showing which way a pipe flows.
void flowArrow(QPainter& p, QPointF tip, QPointF direction, const QColor& colour)
{
    const QPointF back = -direction * 4.0, side(-direction.y() * 3.0, direction.x() * 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{tip, tip + back + side, tip + back - side});
}

// A lattice pylon: `peak` at the top, arms at the given heights, legs to `baseY`.
struct Pylon {
    QPointF peak;
    double upperArmY, upperHalf, lowerArmY, lowerHalf, baseY, baseHalf;

    QPointF upperTip(int side) const { return {peak.x() + side * upperHalf, upperArmY}; }
    QPointF lowerTip(int side) const { return {peak.x() + side * lowerHalf, lowerArmY}; }
};

void drawPylon(QPainter& p, const Pylon& t, double pen)
{
    const double x = t.peak.x(), waist = t.lowerArmY + (t.baseY - t.lowerArmY) * 0.25;
    const double waistHalf = t.baseHalf * 0.35;
    p.setPen(QPen(Lattice, pen));
    p.setBrush(Qt::NoBrush);
    const QPolygonF outline{{x - t.baseHalf, t.baseY}, {x - waistHalf, waist}, {x - waistHalf * 0.6, t.upperArmY},
                            t.peak, {x + waistHalf * 0.6, t.upperArmY}, {x + waistHalf, waist},
                            {x + t.baseHalf, t.baseY}};
    p.drawPolyline(outline);
    // Cross bracing between the legs, from the waist down.
    const int braces = 4;
    for (int k = 0; k < braces; ++k) {
        const double y0 = waist + (t.baseY - waist) * k / braces, y1 = waist + (t.baseY - waist) * (k + 1) / braces;
        const double h0 = waistHalf + (t.baseHalf - waistHalf) * k / braces;
        const double h1 = waistHalf + (t.baseHalf - waistHalf) * (k + 1) / braces;
        p.drawLine(QPointF(x - h0, y0), QPointF(x + h1, y1));
        p.drawLine(QPointF(x + h0, y0), QPointF(x - h1, y1));
    }
    p.drawLine(QPointF(x - waistHalf, waist), QPointF(x + waistHalf * 0.6, t.upperArmY));
    p.drawLine(QPointF(x + waistHalf, waist), QPointF(x - waistHalf * 0.6, t.upperArmY));
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(x, t.upperArmY), t.upperTip(side));
        p.drawLine(QPointF(x + side * waistHalf * 0.8, t.lowerArmY), t.lowerTip(side));
        p.drawLine(t.upperTip(side), QPointF(x, t.upperArmY - (t.upperArmY - t.peak.y()) * 0.5));
    }
}

// Sagging cables between the arm tips of two pylons.
void span(QPainter& p, const Pylon& a, const Pylon& b, double sag, double pen)
{
    p.setPen(QPen(Cable, pen));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1})
        for (bool upper : {true, false}) {
            const QPointF from = upper ? a.upperTip(side) : a.lowerTip(side);
            const QPointF to = upper ? b.upperTip(side) : b.lowerTip(side);
            QPainterPath wire(from);
            wire.quadTo((from + to) / 2 + QPointF(0, sag), to);
            p.drawPath(wire);
        }
}

// A smooth line through the points (a Catmull-Rom curve), closed down to the
// bottom edge: the distant hills.
QPainterPath hills(const QList<QPointF>& points, double bottom)
{
    QPainterPath path(QPointF(points.front().x(), bottom));
    path.lineTo(points.front());
    for (int i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = points[std::max(0, i - 1)], p1 = points[i], p2 = points[i + 1];
        const QPointF p3 = points[std::min<int>(points.size() - 1, i + 2)];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.lineTo(points.back().x(), bottom);
    path.closeSubpath();
    return path;
}

void fuelHeap(QPainter& p, QPointF heart, double groundY)
{
    const double peakY = heart.y() - 38;
    QPainterPath heap(QPointF(heart.x() - 52, groundY));
    heap.cubicTo(heart.x() - 30, groundY - 20, heart.x() - 16, peakY, heart.x(), peakY);
    heap.cubicTo(heart.x() + 16, peakY, heart.x() + 26, groundY - 22, heart.x() + 42, groundY);
    heap.closeSubpath();
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(QColor(32, 32, 36));
    p.drawPath(heap);
    speckle(p, heap, QRectF(QPointF(heart.x() - 50, peakY), QPointF(heart.x() + 50, groundY)), 160, 17, {2.2, 1.6},
            [](Random& r) {
                const int shade = 50 + static_cast<int>(r.uniform() * 40);
                return QColor(shade, shade, shade + 6);
            });
}

void boilerFurnace(QPainter& p, const QRectF& b)
{
    // Casing cut open to show the furnace below and the water tubes and
    // steam drum above it.
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(112, 84, 72));
    p.drawRect(b);
    const QRectF inside = b.adjusted(6, 6, -6, -4);
    p.setBrush(QColor(44, 30, 30));
    p.drawRect(inside);
    const QRectF drum(inside.left() + 2, inside.top() + 2, inside.width() - 4, 16);
    p.setBrush(QColor(180, 186, 196));
    p.drawRoundedRect(drum, 7, 7);
    const double fireTop = inside.bottom() - inside.height() * 0.36;
    p.setPen(QPen(QColor(70, 150, 235), 3));
    for (double x = inside.left() + 6; x < inside.right() - 3; x += 8)
        p.drawLine(QPointF(x, drum.bottom()), QPointF(x, fireTop));
    QLinearGradient fire(0, fireTop, 0, inside.bottom());
    fire.setColorAt(0, QColor(255, 225, 80));
    fire.setColorAt(0.5, QColor(255, 130, 20));
    fire.setColorAt(1, QColor(200, 40, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    QPainterPath flames(QPointF(inside.left(), inside.bottom()));
    const int tongues = 4;
    const double w = inside.width() / tongues;
    for (int k = 0; k < tongues; ++k) {
        const double x = inside.left() + k * w;
        flames.quadTo(x + w * 0.2, fireTop + 14, x + w * 0.5, fireTop);
        flames.quadTo(x + w * 0.8, fireTop + 14, x + w, inside.bottom() - 4);
    }
    flames.lineTo(inside.right(), inside.bottom());
    flames.closeSubpath();
    p.drawPath(flames);
}

void turbine(QPainter& p, double centreX, double axisY, double groundY)
{
    const double left = centreX - 46, right = centreX + 56;
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(90, 96, 110));
    p.drawRect(QRectF(left + 14, axisY + 20, 10, groundY - axisY - 20));
    p.drawRect(QRectF(right - 24, axisY + 28, 10, groundY - axisY - 28));
    const QPolygonF casing{{left, axisY - 16}, {right, axisY - 32}, {right, axisY + 32}, {left, axisY + 16}};
    QLinearGradient shade(0, axisY - 32, 0, axisY + 32);
    shade.setColorAt(0, QColor(190, 198, 210));
    shade.setColorAt(1, QColor(110, 118, 134));
    p.setBrush(shade);
    p.drawPolygon(casing);
    // Rows of blades, longer as the steam expands towards the exhaust.
    p.setPen(QPen(QColor(235, 205, 110), 2.5));
    for (double x = left + 8; x < right - 4; x += 9) {
        const double half = 11 + (x - left) / (right - left) * 17;
        p.drawLine(QPointF(x, axisY - half), QPointF(x, axisY + half));
    }
    p.setPen(QPen(QColor(60, 64, 76), 4));
    p.drawLine(QPointF(left - 4, axisY), QPointF(right + 2, axisY));
}

void generator(QPainter& p, double centreX, double axisY, double groundY)
{
    const QRectF body(centreX - 44, axisY - 36, 88, 72);
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(70, 80, 92));
    p.drawRect(QRectF(body.left() + 8, body.bottom() - 2, body.width() - 16, groundY - body.bottom() + 2));
    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0, QColor(80, 170, 120));
    shade.setColorAt(1, QColor(28, 96, 64));
    p.setBrush(shade);
    p.drawRoundedRect(body, 10, 10);
    // Cut open: the spinning magnet inside its coils.
    const QPointF hub(centreX, axisY);
    p.setBrush(QColor(30, 36, 40));
    p.drawEllipse(hub, 28, 28);
    p.setPen(QPen(QColor(205, 120, 50), 5));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(hub);
        p.rotate(k * 45);
        p.drawLine(QPointF(18, 0), QPointF(26, 0));
        p.restore();
    }
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(220, 50, 40));
    p.drawPie(QRectF(hub - QPointF(13, 13), QSizeF(26, 26)), 0, 180 * 16);
    p.setBrush(QColor(40, 90, 220));
    p.drawPie(QRectF(hub - QPointF(13, 13), QSizeF(26, 26)), 180 * 16, 180 * 16);
}

QRectF transformer(QPainter& p, double centreX, double groundY)
{
    const QRectF tank(centreX - 30, groundY - 78, 60, 70);
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(80, 86, 96));
    p.drawRect(QRectF(tank.left() - 4, tank.bottom(), tank.width() + 8, groundY - tank.bottom()));
    p.setBrush(QColor(130, 140, 152));
    for (double y = tank.top() + 6; y < tank.bottom() - 4; y += 7) {
        p.drawRect(QRectF(tank.left() - 7, y, 7, 4));
        p.drawRect(QRectF(tank.right(), y, 7, 4));
    }
    QLinearGradient shade(tank.left(), 0, tank.right(), 0);
    shade.setColorAt(0, QColor(165, 174, 186));
    shade.setColorAt(1, QColor(110, 118, 132));
    p.setBrush(shade);
    p.drawRect(tank);
    // Two windings on one core, the second with more turns.
    p.setPen(QPen(QColor(60, 64, 72), 2));
    p.setBrush(Qt::NoBrush);
    const QRectF core = tank.adjusted(10, 12, -10, -12);
    p.drawRect(core);
    p.setPen(QPen(QColor(205, 120, 50), 2));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(core.left() - 4, core.top() + 6 + k * 8), QPointF(core.left() + 4, core.top() + 10 + k * 8));
    for (int k = 0; k < 8; ++k)
        p.drawLine(QPointF(core.right() - 4, core.top() + 4 + k * 4.5), QPointF(core.right() + 4, core.top() + 6 + k * 4.5));
    // Insulators on the lid.
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(225, 215, 200));
    for (int k = -1; k <= 1; ++k)
        for (int disc = 0; disc < 4; ++disc)
            p.drawRoundedRect(QRectF(centreX + k * 18 - 4, tank.top() - 6 - disc * 5, 8, 4), 2, 2);
    return tank;
}

QImage powerStation(int resolution)
{
    const Diagram d(labelling::generatorActivity(), QStringLiteral("Images\\electric.jpg"));
    const QPointF fuel = d.part(0), water = d.part(1), steam = d.part(2), power = d.part(3);
    const double groundY = std::min(d.target(0).top(), d.target(1).top()) - 2;
    const double axisY = groundY - 44;

    QImage image = d.canvas(QColor(24, 36, 80), resolution);
    const double width = d.size().width(), height = d.size().height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, groundY);
    sky.setColorAt(0, QColor(18, 30, 72));
    sky.setColorAt(1, QColor(58, 88, 140));
    p.fillRect(QRectF(0, 0, width, groundY), sky);

    // The power line leaves over the hills: a pylon beside the transformer,
    // the next one where the "electricity" leader ends, and a third far off.
    const Pylon closest{{d.target(7).right() + 40, 34}, 54, 26, 80, 32, groundY, 16};
    const Pylon next{{power.x(), power.y() - 10}, power.y(), 14, power.y() + 14, 18, power.y() + 110, 9};
    const double distantX = power.x() - (closest.peak.x() - power.x()) * 0.62;
    const Pylon distant{{distantX, power.y() + 4}, power.y() + 10, 8, power.y() + 18, 10, power.y() + 70, 5};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 58));
    p.drawPath(hills({{0, 168}, {150, 158}, {distantX - 90, 150}, {distantX, distant.baseY}, {power.x(), next.baseY},
                      {power.x() + 110, next.baseY + 8}, {width, next.baseY + 20}},
                     groundY));
    span(p, next, distant, 3, 1);
    {
        // The line runs on beyond the distant pylon, out of sight.
        p.setPen(QPen(Cable, 1));
        for (int side : {-1, 1}) {
            p.drawLine(distant.upperTip(side), distant.upperTip(side) - QPointF(40, -6));
            p.drawLine(distant.lowerTip(side), distant.lowerTip(side) - QPointF(40, -6));
        }
    }
    drawPylon(p, distant, 1);
    drawPylon(p, next, 1.2);

    p.fillRect(QRectF(0, groundY, width, height - groundY), QColor(74, 62, 50));
    p.setPen(QPen(QColor(110, 96, 74), 2));
    p.drawLine(QPointF(0, groundY + 1), QPointF(width, groundY + 1));

    // Water: the condenser under the turbine sends it back along the main to
    // the boiler, rising into it where the "water" leader ends.
    const QRectF condenser(d.target(1).right() + 6, groundY + 4, 58, 34);
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(80, 104, 136));
    p.drawRect(condenser);
    p.setPen(QPen(QColor(150, 190, 230), 1.5));
    for (double y = condenser.top() + 7; y < condenser.bottom() - 3; y += 7)
        p.drawLine(QPointF(condenser.left() + 5, y), QPointF(condenser.right() - 5, y));
    const double boilerRight = water.x() - 6;
    const double mainY = condenser.bottom() - 4;
    QPainterPath feed(QPointF(condenser.left(), mainY));
    feed.lineTo(water.x(), mainY);
    feed.lineTo(water.x(), groundY - 12);
    feed.lineTo(boilerRight - 6, groundY - 12);
    const QColor waterBlue(60, 140, 235);
    pipe(p, feed, waterBlue, 7);
    flowArrow(p, QPointF((condenser.left() + water.x()) / 2 - 10, mainY), QPointF(-1, 0), Qt::white);
    flowArrow(p, QPointF(water.x(), groundY + 6), QPointF(0, -1), Qt::white);

    fuelHeap(p, fuel, groundY);
    const QRectF boiler(fuel.x() + 46, steam.y() + 38, boilerRight - (fuel.x() + 46), groundY - (steam.y() + 38));
    // A belt carries fuel from the heap into the furnace.
    const QPointF beltFrom(fuel.x() + 12, fuel.y() - 6), beltTo(boiler.left() + 2, boiler.bottom() - 40);
    p.setPen(QPen(QColor(150, 150, 160), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(beltFrom, beltTo);
    p.setPen(QPen(QColor(70, 70, 80), 1.5));
    for (int k = 0; k <= 4; ++k) {
        const QPointF roller = beltFrom + (beltTo - beltFrom) * (k / 4.0);
        p.drawLine(roller, roller + QPointF(0, 9));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    for (int k = 1; k < 8; ++k)
        p.drawEllipse(beltFrom + (beltTo - beltFrom) * (k / 8.0) - QPointF(0, 3.5), 2.5, 2);

    const QRectF chimney(boiler.left() + 4, 40, 14, boiler.top() - 40);
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(128, 96, 84));
    p.drawRect(chimney);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 4; ++k) {
        p.setBrush(QColor(170, 170, 180, 150 - k * 30));
        p.drawEllipse(QPointF(chimney.center().x() + 6 + k * 14, chimney.top() - 6 - k * 5), 7 + k * 2, 5 + k);
    }
    boilerFurnace(p, boiler);

    // Steam: up from the drum, across where the "steam" leader ends, and down
    // into the turbine beneath.
    const double turbineTop = axisY - 16 - 46.0 / 102 * 16;
    QPainterPath steamPipe(QPointF(boiler.right() - 14, boiler.top() + 8));
    steamPipe.lineTo(boiler.right() - 14, steam.y());
    steamPipe.lineTo(steam.x(), steam.y());
    steamPipe.lineTo(steam.x(), turbineTop + 2);
    pipe(p, steamPipe, QColor(214, 216, 226), 8);
    flowArrow(p, QPointF((boiler.right() + steam.x()) / 2, steam.y()), QPointF(1, 0), QColor(90, 96, 120));
    flowArrow(p, QPointF(steam.x(), (steam.y() + turbineTop) / 2 + 8), QPointF(0, 1), QColor(90, 96, 120));

    // The used steam falls into the condenser below the floor.
    p.setPen(QPen(Outline, 1.5));
    p.setBrush(QColor(96, 104, 120));
    p.drawRect(QRectF(steam.x() + 30, axisY + 20, 18, condenser.top() - axisY - 20));
    turbine(p, steam.x(), axisY, groundY);

    const double generatorX = d.target(6).center().x();
    p.setPen(QPen(QColor(60, 64, 76), 4));
    p.drawLine(QPointF(steam.x() + 56, axisY), QPointF(generatorX - 44, axisY));
    generator(p, generatorX, axisY, groundY);

    const QRectF tank = transformer(p, d.target(7).center().x(), groundY);
    p.setPen(QPen(QColor(210, 140, 60), 2));
    for (int k = 0; k < 2; ++k)
        p.drawLine(QPointF(generatorX + 44, axisY - 20 + k * 8), QPointF(tank.left() - 7, axisY - 20 + k * 8));

    drawPylon(p, closest, 1.6);
    span(p, closest, next, 6, 1.2);
    p.setPen(QPen(Cable, 1.2));
    const double tankX = tank.center().x();
    p.drawLine(QPointF(tankX - 18, tank.top() - 24), closest.lowerTip(-1));
    p.drawLine(QPointF(tankX, tank.top() - 24), closest.lowerTip(-1));
    p.drawLine(QPointF(tankX + 18, tank.top() - 24), closest.upperTip(-1));
    return image;
}

} // namespace

std::vector<PictureFile> powerPictures()
{
    return {{"Images/electric.jpg", powerStation}};
}
const Subject registered{powerPictures};

} // namespace pictures
