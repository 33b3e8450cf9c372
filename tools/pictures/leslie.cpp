// Leslie's cube on the bench, seen corner-on: its silver face to the left and
// its matt black face to the right, hot water poured in at the top, and a
// radiation detector with its meter facing each face from the same distance.
// The cube's corner and faces stand where the screen's leader lines end.
#include "insulation.h"
#include "diagram.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QColor Outline(230, 232, 238);

// A detector's horn opening towards the cube (side -1 faces right, +1 left),
// on its stand, with a lead to a meter on the bench in front.
void detector(QPainter& p, QPointF mouth, int side, double footY, double reading)
{
    const double tubeStart = mouth.x() + side * 26, tubeEnd = mouth.x() + side * 58;
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(QColor(150, 154, 162));
    p.drawRect(QRectF(std::min(tubeStart, tubeEnd), mouth.y() - 7, std::abs(tubeEnd - tubeStart), 14));
    QLinearGradient brass(0, mouth.y() - 14, 0, mouth.y() + 14);
    brass.setColorAt(0, QColor(236, 204, 110));
    brass.setColorAt(1, QColor(150, 110, 40));
    p.setBrush(brass);
    p.drawPolygon(QPolygonF{{mouth.x(), mouth.y() - 14}, {tubeStart, mouth.y() - 7}, {tubeStart, mouth.y() + 7},
                            {mouth.x(), mouth.y() + 14}});
    p.setBrush(QColor(20, 20, 24));
    p.drawEllipse(QPointF(mouth.x(), mouth.y()), 2.5, 14);
    const double standX = (tubeStart + tubeEnd) / 2;
    p.setBrush(QColor(70, 72, 80));
    p.drawRect(QRectF(standX - 2, mouth.y() + 7, 4, footY - mouth.y() - 7));
    p.drawRect(QRectF(standX - 14, footY - 4, 28, 5));

    // The meter sits on the bench beyond the stand; its needle shows the reading.
    const QRectF meter(tubeEnd + side * 6 - (side < 0 ? 44 : 0), footY + 4, 44, 34);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(QColor(40, 44, 52));
    p.drawRoundedRect(meter, 3, 3);
    const QRectF dial = meter.adjusted(4, 4, -4, -12);
    p.setBrush(QColor(240, 236, 220));
    p.drawRect(dial);
    const QPointF pivot(dial.center().x(), dial.bottom() + 2);
    p.setPen(QPen(QColor(200, 30, 30), 1.5));
    const double angle = (150 - 120 * reading) * 3.14159265 / 180;
    p.drawLine(pivot, pivot + QPointF(std::cos(angle) * 16, -std::sin(angle) * 16));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath lead(QPointF(tubeEnd, mouth.y()));
    lead.quadTo(tubeEnd + side * 12, mouth.y() + 10, meter.center().x(), meter.top());
    p.drawPath(lead);
}

} // namespace

QImage leslieDiagram(int resolution)
{
    const labelling::ActivityData& table = insulationScreen("thermal");
    const Diagram d(table, QStringLiteral("Images\\leslie.jpg"));
    const QPointF water = d.part(0);
    const QPointF silver = d.partOfCaption(QStringLiteral("silverSurface"));
    const QPointF black = d.partOfCaption(QStringLiteral("blackSurface"));
    // The wall behind is the screen's own colour: the option buttons' boxes
    // reach over the picture's top-left corner and must not show there.
    QImage image = d.canvas(table.background, resolution);
    const double width = d.size().width(), height = d.size().height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The cube corner-on: its near vertical edge under the filler, its left and
    // right faces reaching just past where the surface leaders end.
    const double x = water.x(), half = std::max(x - silver.x(), black.x() - x) + 8;
    const double rise = half / 3, edge = 170;
    const double sideTop = water.y() + 4; // the top face's side corners
    const QPointF back(x, sideTop - rise), left(x - half, sideTop), right(x + half, sideTop), front(x, sideTop + rise);
    const QPointF down(0, edge);
    // The bench top runs back behind the cube's far corners; the detectors
    // stand on it, their meters in front.
    const double benchBack = left.y() + edge - 34, benchFront = front.y() + edge + 30;
    const double standFoot = front.y() + edge - 14;

    QLinearGradient bench(0, benchBack, 0, benchFront);
    bench.setColorAt(0, QColor(92, 66, 46));
    bench.setColorAt(1, QColor(128, 94, 64));
    p.fillRect(QRectF(0, benchBack, width, benchFront - benchBack), bench);
    p.fillRect(QRectF(0, benchFront, width, height - benchFront), QColor(70, 48, 32));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(QPointF(x, front.y() + edge - 2), half + 10, 10);

    QLinearGradient shine(left, front + down);
    for (int k = 0; k <= 6; ++k)
        shine.setColorAt(k / 6.0, k % 2 ? QColor(248, 250, 255) : QColor(160, 166, 178));
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(shine);
    p.drawPolygon(QPolygonF{left, front, front + down, left + down});
    p.setBrush(QColor(20, 20, 22));
    const QPolygonF blackFace{front, right, right + down, front + down};
    p.drawPolygon(blackFace);
    QPainterPath soot;
    soot.addPolygon(blackFace);
    speckle(p, soot, QRectF(QPointF(x, sideTop), QPointF(right.x(), front.y() + edge)), 220, 23, {1, 1},
            [](Random&) { return QColor(42, 42, 46); });
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(QColor(170, 174, 182));
    p.drawPolygon(QPolygonF{back, right, front, left});

    // The filler neck, open on the hot water, steam rising.
    const QPointF filler(x, water.y() + 2);
    p.setBrush(QColor(120, 124, 134));
    p.drawRect(QRectF(filler.x() - 20, filler.y() - 4, 40, 6));
    p.drawEllipse(filler + QPointF(0, 2), 20, 7);
    p.setBrush(QColor(70, 150, 230));
    p.drawEllipse(filler - QPointF(0, 4), 20, 8);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.setBrush(Qt::NoBrush);
    for (int k = -1; k <= 1; ++k) {
        QPainterPath wisp(filler + QPointF(k * 9, -8));
        wisp.cubicTo(filler + QPointF(k * 9 - 6, -18), filler + QPointF(k * 9 + 6, -26), filler + QPointF(k * 9, -36));
        p.drawPath(wisp);
    }

    // A detector level with the middle of each face, at the same distance from it.
    const double detectorY = sideTop + edge * 0.72;
    detector(p, QPointF(left.x() - 12, detectorY), -1, standFoot, 0.2);
    detector(p, QPointF(right.x() + 12, detectorY), 1, standFoot, 0.8);
    return image;
}

} // namespace pictures
