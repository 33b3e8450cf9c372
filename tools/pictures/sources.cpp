// Small pictures of the eight energy sources for the left column of the
// Energy Sources table, one in each row beside its name: a wind turbine, a
// dam holding back a reservoir, a barrage under the Moon, breaking waves,
// a solar panel in sunshine, steam rising from hot rocks, coal burning and an
// atom. Each stands at the height of its row's target.
#include "diagram.h"
#include "pictures.h"
#include "labelling/energysources.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

const QColor Water(70, 150, 230);
const QColor Concrete(190, 190, 196);

void windTurbine(QPainter& p, QPointF c)
{
    const QPointF hub = c + QPointF(0, -8);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(hub, c + QPointF(0, 19));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double a = (90 + 120 * k) * std::numbers::pi / 180;
        p.drawLine(hub, hub + QPointF(std::cos(a) * 13, -std::sin(a) * 13));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(hub, 2.5, 2.5);
}

void dam(QPainter& p, QPointF c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Water);
    p.drawRect(QRectF(c.x() - 22, c.y() - 8, 20, 26)); // the reservoir, high
    p.drawRect(QRectF(c.x() + 6, c.y() + 12, 16, 6));  // the river below, low
    p.setBrush(Concrete);
    p.drawPolygon(QPolygonF{c + QPointF(-4, -14), c + QPointF(2, -14), c + QPointF(8, 18), c + QPointF(-4, 18)});
}

void barrage(QPainter& p, QPointF c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 210));
    p.drawEllipse(c + QPointF(10, -12), 7, 7);
    p.setBrush(QColor(40, 65, 136));
    p.drawEllipse(c + QPointF(13, -14), 6, 6); // the crescent Moon
    p.setBrush(Water);
    p.drawRect(QRectF(c.x() - 22, c.y() + 2, 44, 16));
    p.setBrush(Concrete);
    p.drawRect(QRectF(c.x() - 22, c.y() - 2, 44, 7));
    p.setBrush(QColor(60, 60, 66));
    for (int k = -1; k <= 1; ++k)
        p.drawRect(QRectF(c.x() + k * 13 - 3, c.y(), 6, 4)); // sluices with turbines
}

void seaWaves(QPainter& p, QPointF c)
{
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 2; ++k) {
        const QPointF s = c + QPointF(-22 + k * 22, 6);
        QPainterPath wave(s + QPointF(0, 8));
        wave.cubicTo(s + QPointF(4, -14), s + QPointF(20, -16), s + QPointF(20, -4));
        wave.cubicTo(s + QPointF(18, 0), s + QPointF(12, -2), s + QPointF(12, -6));
        p.setPen(QPen(Water, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wave);
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wave);
    }
    p.setPen(QPen(Water, 3));
    p.drawLine(c + QPointF(-22, 16), c + QPointF(22, 16));
}

void solarPanel(QPainter& p, QPointF c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 40));
    p.drawEllipse(c + QPointF(14, -13), 6, 6);
    const QPolygonF panel{c + QPointF(-20, 4), c + QPointF(-8, -12), c + QPointF(12, -12), c + QPointF(2, 4)};
    p.setPen(QPen(QColor(200, 205, 215), 1));
    p.setBrush(QColor(25, 45, 110));
    p.drawPolygon(panel.translated(0, 8));
    p.setPen(QPen(QColor(120, 150, 210), 0.8));
    for (int k = 1; k < 4; ++k) {
        const double t = k / 4.0;
        p.drawLine(c + QPointF(-20 + 12 * t, 12 - 16 * t), c + QPointF(2 + 10 * t, 12 - 16 * t));
        p.drawLine(c + QPointF(-20 + 22 * t, 12), c + QPointF(-8 + 20 * t, -4));
    }
    p.setPen(QPen(QColor(200, 205, 215), 2));
    p.drawLine(c + QPointF(-4, 12), c + QPointF(-4, 19));
}

void hotRocks(QPainter& p, QPointF c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 60));
    p.drawRect(QRectF(c.x() - 22, c.y() - 2, 44, 10));
    p.setBrush(QColor(220, 70, 20));
    p.drawRect(QRectF(c.x() - 22, c.y() + 8, 44, 10)); // hot rock deep down
    p.setPen(QPen(Water, 2.5));
    p.drawLine(c + QPointF(-6, 16), c + QPointF(-6, -2));
    p.setPen(QPen(QColor(235, 235, 245), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 2; ++k) {
        const QPointF s = c + QPointF(-6 + k * 9, -4);
        QPainterPath steam(s);
        steam.cubicTo(s + QPointF(-5, -5), s + QPointF(5, -9), s + QPointF(0, -16));
        p.drawPath(steam);
    }
}

void burningCoal(QPainter& p, QPointF c)
{
    QPainterPath flame(c + QPointF(-12, 8));
    flame.cubicTo(c + QPointF(-16, -6), c + QPointF(-4, -8), c + QPointF(0, -20));
    flame.cubicTo(c + QPointF(6, -8), c + QPointF(16, -6), c + QPointF(12, 8));
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 20));
    p.drawPath(flame);
    p.setBrush(QColor(255, 220, 60));
    p.drawEllipse(c + QPointF(0, 2), 5, 8);
    p.setBrush(QColor(20, 20, 24));
    for (const QPointF& lump : {QPointF(-12, 12), QPointF(0, 14), QPointF(12, 12), QPointF(-6, 8), QPointF(7, 8)})
        p.drawEllipse(c + lump, 6, 4.5);
}

void atom(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(255, 230, 80), 1.6));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(c);
        p.rotate(60 * k);
        p.drawEllipse(QPointF(0, 0), 20, 7);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 70, 50));
    p.drawEllipse(c, 4, 4);
}

QImage sourcesColumn(int resolution)
{
    const labelling::ActivityData& table = labelling::energySourcesActivity();
    const Diagram d(table, QStringLiteral("Images\\sources.jpg"));
    QImage image = d.canvas(table.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    void (*const icons[])(QPainter&, QPointF) = {windTurbine, dam, barrage, seaWaves,
                                                 solarPanel, hotRocks, burningCoal, atom};
    for (int row = 0; row < 8; ++row)
        icons[row](p, QPointF(d.size().width() / 2.0, d.target(row).center().y()));
    return image;
}

} // namespace

std::vector<PictureFile> sourcesPictures()
{
    return {{"Images/sources.jpg", sourcesColumn}};
}
const Subject registered{sourcesPictures};

} // namespace pictures
