// A convection current in a beaker of water: the beaker stands on a gauze on
// a tripod, a Bunsen burner heats it under the left side, and a purple crystal
// on the bottom above the flame dissolves into a trail that rises over the
// flame, crosses the top, sinks down the far side and returns along the
// bottom. The crystal, the arrows of rising and sinking water, the trail, the
// beaker's wall, the burner and a tripod leg stand where the leader lines end.
#include "diagram.h"
#include "pictures.h"
#include "labelling/convection.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

enum Part { Burner, Crystal, HotRises, CoolSinks, Current, Beaker, Tripod };

const QColor Glass(215, 232, 245);
const QColor Metal(70, 74, 82);
const QColor Purple(150, 40, 170);

// A broad arrow along a vertical line, centred on `middle`, pointing up or down.
void fatArrow(QPainter& p, QPointF middle, double length, bool up, const QColor& colour)
{
    const double dir = up ? -1 : 1, half = length / 2;
    const QPointF tip = middle + QPointF(0, dir * half), tail = middle - QPointF(0, dir * half);
    p.setPen(QPen(colour, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tail, tip - QPointF(0, dir * 12));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{tip, tip - QPointF(9, dir * 14), tip - QPointF(-9, dir * 14)});
}

void smallHead(QPainter& p, QPointF tip, QPointF direction)
{
    const QPointF side(-direction.y(), direction.x());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 20, 130));
    p.drawPolygon(QPolygonF{tip, tip - direction * 10 + side * 6, tip - direction * 10 - side * 6});
}

void bunsenBurner(QPainter& p, double x, double flameTop, double ground)
{
    const double barrelTop = flameTop + 44;
    // The flame: a pale outer flame round a bright blue inner cone.
    QPainterPath outer(QPointF(x - 9, barrelTop));
    outer.cubicTo(x - 12, barrelTop - 18, x - 4, flameTop + 8, x, flameTop);
    outer.cubicTo(x + 4, flameTop + 8, x + 12, barrelTop - 18, x + 9, barrelTop);
    outer.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 255, 150));
    p.drawPath(outer);
    p.setBrush(QColor(40, 90, 255));
    p.drawPolygon(QPolygonF{{x - 7, barrelTop}, {x, barrelTop - 22}, {x + 7, barrelTop}});

    QLinearGradient steel(x - 9, 0, x + 9, 0);
    steel.setColorAt(0, QColor(120, 124, 134));
    steel.setColorAt(0.4, QColor(225, 228, 235));
    steel.setColorAt(1, QColor(110, 114, 124));
    p.setPen(QPen(QColor(30, 30, 36), 1));
    p.setBrush(steel);
    p.drawRect(QRectF(x - 9, barrelTop, 18, ground - 12 - barrelTop));
    p.drawRect(QRectF(x - 12, ground - 34, 24, 9)); // the collar over the air hole
    p.setBrush(QColor(30, 30, 36));
    p.drawEllipse(QPointF(x, ground - 29.5), 3, 3);
    p.setBrush(QColor(60, 62, 70));
    p.drawRoundedRect(QRectF(x - 32, ground - 12, 64, 12), 4, 4);
    // The gas tube, off to the left along the bench.
    p.setPen(QPen(QColor(230, 110, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tube(QPointF(x - 30, ground - 6));
    tube.cubicTo(x - 50, ground - 6, x - 70, ground - 4, x - 110, ground - 5);
    p.drawPath(tube);
}

QImage convectionDiagram(int resolution)
{
    const labelling::ActivityData& table = labelling::convectionActivity();
    const Diagram d(table, QStringLiteral("Images\\convection.jpg"));
    QImage image = d.canvas(table.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF crystal = d.part(Crystal), legSpot = d.part(Tripod);
    const double right = d.part(Beaker).x(), left = right - 220, middle = (left + right) / 2;
    const double bottom = crystal.y() + 5, trailTop = d.part(Current).y();
    const double surface = trailTop - 17, rim = surface - 25;
    const double gauzeTop = bottom + 1, ringY = gauzeTop + 6;
    const double ground = d.size().height() - 8;

    // The bench, the tripod (its back leg first), the gauze.
    p.fillRect(QRectF(0, ground, d.size().width(), 8), QColor(120, 86, 52));
    const double lean = (legSpot.x() - (right + 5)) / (legSpot.y() - ringY);
    const double footOut = (right + 5) + lean * (ground - ringY) - middle;
    p.setPen(QPen(Metal.darker(130), 3.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(middle, ringY), QPointF(middle, ground - 4));
    p.setPen(QPen(Metal, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(right + 5, ringY), QPointF(middle + footOut, ground));
    p.drawLine(QPointF(left - 5, ringY), QPointF(middle - footOut, ground));
    p.setPen(QPen(QColor(40, 40, 46), 1));
    p.setBrush(Metal);
    p.drawRect(QRectF(left - 22, ringY, right - left + 44, 5));
    p.setBrush(QColor(170, 170, 176));
    p.drawRect(QRectF(left - 32, gauzeTop, right - left + 64, 6));
    p.setPen(QPen(QColor(95, 95, 102), 1));
    for (double x = left - 30; x < right + 32; x += 4)
        p.drawLine(QPointF(x, gauzeTop + 1), QPointF(x + 3, gauzeTop + 5));
    p.fillRect(QRectF(left + 8, gauzeTop + 1, right - left - 16, 4), QColor(220, 220, 214)); // the ceramic centre

    bunsenBurner(p, crystal.x(), ringY + 9, ground);

    // The water in the beaker.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 200, 245, 120));
    p.drawRect(QRectF(left, surface, right - left, bottom - surface));

    // The purple trail: a loop up over the flame, across the top, down the
    // far side and back along the bottom, darkest where it leaves the crystal.
    const double riseX = d.part(HotRises).x(), sinkX = d.part(CoolSinks).x(), returnY = bottom - 18;
    QPainterPath loop(QPointF(riseX, returnY));
    loop.lineTo(riseX, trailTop + 22);
    loop.quadTo(riseX, trailTop, riseX + 22, trailTop);
    loop.lineTo(sinkX - 22, trailTop);
    loop.quadTo(sinkX, trailTop, sinkX, trailTop + 22);
    loop.lineTo(sinkX, returnY - 14);
    loop.quadTo(sinkX, returnY, sinkX - 22, returnY);
    loop.lineTo(riseX + 14, returnY);
    loop.quadTo(riseX, returnY, riseX, returnY - 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 60, 190, 150), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(loop);
    QPainterPath plume(crystal);
    plume.cubicTo(crystal.x(), crystal.y() - 20, riseX, crystal.y() - 30, riseX, crystal.y() - 60);
    p.setPen(QPen(QColor(140, 30, 160, 200), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(plume);
    smallHead(p, QPointF(middle + 14, trailTop), {1, 0});
    smallHead(p, QPointF(middle - 14, returnY), {-1, 0});

    fatArrow(p, QPointF(riseX, d.part(HotRises).y()), 56, true, QColor(230, 40, 30));
    fatArrow(p, QPointF(sinkX, d.part(CoolSinks).y()), 56, false, QColor(30, 90, 230));

    // The crystal on the bottom, above the flame.
    p.setPen(QPen(QColor(60, 0, 70), 1));
    p.setBrush(QColor(110, 10, 130));
    p.drawPolygon(QPolygonF{{crystal.x() - 7, bottom - 1}, {crystal.x() - 3, crystal.y() - 4},
                            {crystal.x() + 5, crystal.y() - 3}, {crystal.x() + 7, bottom - 1}});

    // The glass: walls, base and a lip with a spout on the left.
    p.setPen(QPen(Glass, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath glass(QPointF(left - 8, rim - 4));
    glass.quadTo(left, rim - 2, left, rim + 6);
    glass.lineTo(left, bottom - 4);
    glass.quadTo(left, bottom, left + 4, bottom);
    glass.lineTo(right - 4, bottom);
    glass.quadTo(right, bottom, right, bottom - 4);
    glass.lineTo(right, rim);
    glass.lineTo(right + 4, rim - 3);
    p.drawPath(glass);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(QPointF(right - 10, rim + 16), QPointF(right - 10, bottom - 30)); // a highlight
    p.setPen(QPen(Glass, 1));
    for (int mark = 1; mark <= 4; ++mark) { // graduations
        const double y = bottom - mark * (bottom - rim) / 5.5;
        p.drawLine(QPointF(left + 10, y), QPointF(left + (mark % 2 ? 26 : 20), y));
    }
    return image;
}

} // namespace

std::vector<PictureFile> convectionPictures()
{
    return {{"Images/convection.jpg", convectionDiagram}};
}
const Subject registered{convectionPictures};

} // namespace pictures
