// The thermos flask in section: a screw-on cap over a cork stopper, and inside
// the outer case, past an air space, a glass vessel with a double wall, the
// vacuum between its walls and their faces silvered, holding the liquid. The
// layers are laid out from where the screen's leader lines end.
#include "insulation.h"
#include "diagram.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

const QColor Outline(24, 24, 30);
const QColor Glass(140, 196, 226);

// A vessel of the given half-width about `centreX`, open at the top and
// rounded at the bottom.
QPainterPath vessel(double centreX, double halfWidth, double top, double bottom)
{
    const double r = std::min(halfWidth, (bottom - top) / 2) * 0.7;
    QPainterPath path(QPointF(centreX - halfWidth, top));
    path.lineTo(centreX - halfWidth, bottom - r);
    path.quadTo(centreX - halfWidth, bottom, centreX - halfWidth + r, bottom);
    path.lineTo(centreX + halfWidth - r, bottom);
    path.quadTo(centreX + halfWidth, bottom, centreX + halfWidth, bottom - r);
    path.lineTo(centreX + halfWidth, top);
    path.closeSubpath();
    return path;
}

// A mirror finish: bright, with a darker streak down its middle.
QLinearGradient silvering(double top, double bottom)
{
    QLinearGradient shine(0, top, 0, bottom);
    for (int k = 0; k <= 10; ++k)
        shine.setColorAt(k / 10.0, k % 2 ? QColor(255, 255, 255) : QColor(200, 204, 214));
    return shine;
}

} // namespace

QImage flaskDiagram(int resolution)
{
    const Diagram d(insulationScreen("thermos"), QStringLiteral("Images\\thermos.jpg"));
    const QPointF cap = d.part(0), cork = d.part(1), vacuum = d.part(2), liquid = d.part(3), shiny = d.part(4),
                  air = d.part(5);
    QImage image = d.canvas(QColor(40, 65, 136), resolution);
    const double height = d.size().height(), centreX = d.size().width() / 2.0;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Half-widths, outside in, from the places the leaders name on the right.
    const double caseOuter = air.x() + 11 - centreX, caseInner = air.x() + 5 - centreX;
    const double outerGlass = shiny.x() + 5 - centreX, outerSilver = shiny.x() + 1.5 - centreX;
    const double vacuumOuter = shiny.x() - 2 - centreX, vacuumInner = vacuum.x() - 16 - centreX;
    const double innerSilver = vacuumInner - 3, innerGlass = vacuumInner - 7;

    const double capTop = cap.y() - 36, capBottom = cap.y() + 22;
    const double lip = capBottom + 4, stopperBottom = cork.y() + 34;
    // The flask is well filled, the liquid's leader ending deep in it.
    const double surface = std::min(stopperBottom + 18, liquid.y() - 60);
    const double vesselBottom = height - 48, caseBottom = height - 6;

    // The case, and the air space between it and the glass.
    p.setPen(QPen(Outline, 1));
    QLinearGradient metal(centreX - caseOuter, 0, centreX + caseOuter, 0);
    metal.setColorAt(0, QColor(120, 128, 144));
    metal.setColorAt(0.3, QColor(200, 206, 216));
    metal.setColorAt(1, QColor(110, 118, 134));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(centreX - caseOuter, capTop + 26, 2 * caseOuter, caseBottom - capTop - 26), 10, 10);
    p.setBrush(QColor(92, 108, 134));
    p.drawRoundedRect(QRectF(centreX - caseInner, capTop + 30, 2 * caseInner, caseBottom - capTop - 36), 7, 7);
    // The vessel rests on a spring pad.
    p.setPen(QPen(QColor(40, 44, 52), 2));
    QPainterPath spring(QPointF(centreX - 20, caseBottom - 8));
    for (int k = 0; k < 6; ++k)
        spring.lineTo(centreX + (k % 2 ? -20 : 20), caseBottom - 8 - (k + 1) * (caseBottom - vesselBottom - 12) / 6.0);
    p.drawPath(spring);
    p.setBrush(QColor(60, 62, 70));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(centreX - 26, vesselBottom + 1, 52, 5), 2, 2);

    // The double wall: glass, silver, vacuum, silver, glass, from outside in.
    p.setPen(QPen(Outline, 1));
    p.setBrush(Glass);
    p.drawPath(vessel(centreX, outerGlass, lip, vesselBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(silvering(lip, vesselBottom));
    p.drawPath(vessel(centreX, outerSilver, lip + 2, vesselBottom - 3));
    p.setBrush(QColor(12, 16, 38));
    p.drawPath(vessel(centreX, vacuumOuter, lip + 4, vesselBottom - 5));
    p.setBrush(silvering(lip, vesselBottom));
    p.drawPath(vessel(centreX, innerSilver + 3, lip + 4, vesselBottom - 20));
    p.setBrush(Glass);
    p.drawPath(vessel(centreX, innerSilver, lip + 4, vesselBottom - 23));
    // The glass lip that seals the vacuum at the top.
    p.setPen(QPen(Outline, 1));
    p.drawRoundedRect(QRectF(centreX - outerGlass, lip, 2 * outerGlass, 8), 3, 3);

    const QPainterPath inside = vessel(centreX, innerGlass, lip + 8, vesselBottom - 27);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 222, 232));
    p.drawPath(inside);
    p.save();
    p.setClipPath(inside);
    QLinearGradient tea(0, surface, 0, vesselBottom);
    tea.setColorAt(0, QColor(176, 96, 36));
    tea.setColorAt(1, QColor(120, 60, 22));
    p.fillRect(QRectF(0, surface, d.size().width(), height - surface), tea);
    p.setPen(QPen(QColor(220, 150, 90), 1.5));
    p.drawLine(QPointF(centreX - innerGlass, surface + 1), QPointF(centreX + innerGlass, surface + 1));
    p.restore();

    // The cork stopper in the mouth, under the cap.
    QPainterPath stopper(QPointF(centreX - innerGlass + 2, capBottom));
    stopper.lineTo(centreX + innerGlass - 2, capBottom);
    stopper.lineTo(centreX + innerGlass - 5, stopperBottom);
    stopper.lineTo(centreX - innerGlass + 5, stopperBottom);
    stopper.closeSubpath();
    p.setPen(QPen(QColor(90, 56, 26), 1));
    p.setBrush(QColor(168, 116, 62));
    p.drawPath(stopper);
    speckle(p, stopper, QRectF(QPointF(centreX - innerGlass, capBottom), QPointF(centreX + innerGlass, stopperBottom)),
            140, 3, {1.2, 1.2},
            [](Random& r) { return r.uniform() < 0.5 ? QColor(120, 78, 36) : QColor(200, 150, 90); });

    // The screw-on cap, with its grip ridges and the thread at its skirt.
    const QRectF capBody(centreX - caseOuter - 2, capTop, 2 * caseOuter + 4, capBottom - capTop);
    QLinearGradient plastic(capBody.left(), 0, capBody.right(), 0);
    plastic.setColorAt(0, QColor(150, 26, 30));
    plastic.setColorAt(0.3, QColor(226, 70, 64));
    plastic.setColorAt(1, QColor(130, 20, 26));
    p.setPen(QPen(Outline, 1));
    p.setBrush(plastic);
    p.drawRoundedRect(capBody, 8, 8);
    p.setPen(QPen(QColor(110, 14, 20), 1));
    for (double x = capBody.left() + 8; x < capBody.right() - 4; x += 7)
        p.drawLine(QPointF(x, capBody.top() + 6), QPointF(x, capBody.top() + 22));
    p.setPen(QPen(QColor(90, 10, 16), 1.5));
    for (double y = capBody.bottom() - 16; y < capBody.bottom() - 2; y += 5)
        p.drawLine(QPointF(capBody.left() + 3, y), QPointF(capBody.right() - 3, y + 2));
    return image;
}

} // namespace pictures
