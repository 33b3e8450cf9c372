// A map of an island, north at the top, for the Energy Island screen. Each
// place a power station suits is drawn where the screen's leader line for it
// ends: the windy ridge in the north-west, the remote headland on the west
// coast, big waves breaking on the exposed west coast, the sunny south-facing
// slope, the volcano with hot springs, the reservoir and narrow valley of the
// mountain river, the river's estuary on the east coast and the coal mine by
// the port. Small captions name the places; a town and roads give the scale.
#include "diagram.h"
#include "pictures.h"
#include "labelling/energyisland.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

enum Place { Ridge, Valley, Estuary, Waves, Slope, Volcano, CoalMine, Headland };

const QColor Land(104, 158, 84);
const QColor Hill(132, 118, 70);
const QColor Rock(128, 124, 120);
const QColor River(70, 140, 220);
const QColor Words(20, 28, 20);

// A closed smooth curve through the points (Catmull-Rom).
QPainterPath smoothLoop(const QList<QPointF>& pts)
{
    const int n = pts.size();
    QPainterPath path(pts[0]);
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
    }
    path.closeSubpath();
    return path;
}

void words(QPainter& p, QPointF at, const QString& text, const QColor& colour = Words, bool centred = true)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setItalic(true);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    p.drawText(at - QPointF(centred ? width / 2 : 0, 0), text);
}

// The coast, shaped round the places on it: the headland juts out west, the
// west coast runs just east of the waves, the estuary opens east.
QPainterPath coastline(const Diagram& d)
{
    const QPointF head = d.part(Headland), waves = d.part(Waves), mouth = d.part(Estuary);
    const QPointF ridge = d.part(Ridge), slope = d.part(Slope);
    return smoothLoop({{head.x() + 30, ridge.y() - 25}, {ridge.x(), ridge.y() - 30}, {ridge.x() + 80, ridge.y() - 24},
                       {ridge.x() + 150, ridge.y() - 32}, {mouth.x() - 70, ridge.y() - 20}, {mouth.x() - 12, ridge.y() + 8},
                       {mouth.x() + 12, mouth.y() - 80}, {mouth.x() + 8, mouth.y() - 14}, {mouth.x() - 26, mouth.y() - 2},
                       {mouth.x() + 6, mouth.y() + 18}, {mouth.x() + 18, mouth.y() + 55}, {mouth.x() - 4, slope.y() + 14},
                       {mouth.x() - 40, slope.y() + 38}, {slope.x() + 120, slope.y() + 48}, {slope.x() + 30, slope.y() + 44},
                       {slope.x() - 50, slope.y() + 38}, {waves.x() + 30, slope.y() + 14}, {waves.x() + 14, waves.y() + 30},
                       {waves.x() + 13, waves.y() - 30}, {head.x() - 36, head.y() + 6}, {head.x() - 30, head.y() - 10},
                       {head.x() + 8, ridge.y() + 10}});
}

// Breakers rolling in from the west onto the coast.
void bigWaves(QPainter& p, QPointF at)
{
    p.setBrush(Qt::NoBrush);
    for (int row = -2; row <= 2; ++row) {
        const QPointF c = at + QPointF(row % 2 ? -14 : 0, row * 22);
        QPainterPath crest(c + QPointF(-6, 10));
        crest.quadTo(c + QPointF(-6, -8), c + QPointF(2, -9));
        crest.quadTo(c + QPointF(8, -9), c + QPointF(6, -2));
        p.setPen(QPen(QColor(245, 250, 255), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(crest);
        p.setPen(QPen(QColor(190, 215, 245), 1.5));
        p.drawLine(c + QPointF(-22, 6), c + QPointF(-9, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 250, 255)); // foam where the wave breaks
        p.drawEllipse(c + QPointF(-1, 1), 3.5, 3);
        p.setBrush(Qt::NoBrush);
    }
}

void ridgeOfHills(QPainter& p, QPointF centre)
{
    p.setPen(QPen(Hill.darker(140), 1));
    p.setBrush(Hill);
    for (int k = -3; k <= 3; ++k) {
        const QPointF c = centre + QPointF(k * 20, std::abs(k) * 2);
        p.drawPolygon(QPolygonF{c + QPointF(-16, 8), c + QPointF(0, -10), c + QPointF(16, 8)});
    }
    // Wind sweeping in from the west.
    p.setPen(QPen(QColor(240, 245, 255), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const QPointF s = centre + QPointF(-110 + k * 6, -18 + k * 9);
        QPainterPath gust(s);
        gust.cubicTo(s + QPointF(20, -6), s + QPointF(34, 6), s + QPointF(50, 0));
        p.drawPath(gust);
    }
}

void volcano(QPainter& p, QPointF summit)
{
    p.setPen(QPen(QColor(60, 40, 30), 1));
    p.setBrush(QColor(110, 78, 60));
    p.drawPolygon(QPolygonF{summit + QPointF(-34, 20), summit + QPointF(-7, -8), summit + QPointF(7, -8),
                            summit + QPointF(34, 20)});
    p.setBrush(QColor(210, 80, 30));
    p.drawEllipse(summit + QPointF(0, -8), 7, 2.5);
    // Hot springs at its foot, steaming.
    for (const QPointF& pool : {summit + QPointF(34, 24), summit + QPointF(46, 14)}) {
        p.setPen(QPen(QColor(240, 240, 255), 1));
        p.setBrush(QColor(120, 210, 230));
        p.drawEllipse(pool, 5, 3);
        p.setBrush(Qt::NoBrush);
        QPainterPath steam(pool + QPointF(0, -4));
        steam.cubicTo(pool + QPointF(-4, -8), pool + QPointF(4, -12), pool + QPointF(0, -17));
        p.drawPath(steam);
    }
}

void mountains(QPainter& p, QPointF around)
{
    for (const QPointF& offset : {QPointF(-52, -10), QPointF(-28, -22), QPointF(-40, 14), QPointF(6, 20)}) {
        const QPointF top = around + offset;
        p.setPen(QPen(QColor(70, 70, 74), 1));
        p.setBrush(Rock);
        p.drawPolygon(QPolygonF{top + QPointF(-18, 18), top, top + QPointF(18, 18)});
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{top + QPointF(-5, 5), top, top + QPointF(5, 5)});
    }
}

void house(QPainter& p, QPointF at)
{
    p.setPen(QPen(QColor(60, 40, 30), 0.8));
    p.setBrush(QColor(235, 225, 205));
    p.drawRect(QRectF(at.x() - 4, at.y() - 3, 8, 6));
    p.setBrush(QColor(180, 60, 40));
    p.drawPolygon(QPolygonF{at + QPointF(-5, -3), at + QPointF(0, -8), at + QPointF(5, -3)});
}

void sun(QPainter& p, QPointF at)
{
    p.setPen(QPen(QColor(255, 220, 60), 2));
    for (int k = 0; k < 12; ++k) {
        const double a = k * std::numbers::pi / 6;
        p.drawLine(at + QPointF(std::cos(a), std::sin(a)) * 11, at + QPointF(std::cos(a), std::sin(a)) * 17);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(at, 9, 9);
}

void compass(QPainter& p, QPointF at)
{
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{at + QPointF(0, -16), at + QPointF(6, 6), at + QPointF(0, 2), at + QPointF(-6, 6)});
    words(p, at + QPointF(0, 20), QStringLiteral("N"), Qt::white);
}

QImage islandMap(int resolution)
{
    const labelling::ActivityData& table = labelling::energyIslandActivity();
    const Diagram d(table, QStringLiteral("Images\\island.jpg"));
    QImage image = d.canvas(table.background, resolution); // the sea is the screen's own blue
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPainterPath coast = coastline(d);
    p.setPen(QPen(QColor(140, 190, 235), 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coast); // shallow water along the shore
    p.setPen(QPen(QColor(224, 210, 150), 2.5));
    p.setBrush(Land);
    p.drawPath(coast);
    p.setClipPath(coast);
    speckle(p, coast, coast.boundingRect(), 500, 41, {2.5, 1.5}, [](Random& r) {
        const int g = 140 + static_cast<int>(r.uniform() * 40);
        return QColor(g - 50, g, g - 70, 120);
    });
    p.setClipping(false);

    // The river from the mountains, through the valley and its dam, out into the estuary.
    const QPointF dam = d.part(Valley), mouth = d.part(Estuary);
    const QPointF source = dam + QPointF(-48, -26);
    QPainterPath river(source);
    river.cubicTo(dam + QPointF(-20, -14), dam + QPointF(-10, 2), dam);
    river.cubicTo(dam + QPointF(30, 10), mouth + QPointF(-70, -8), mouth + QPointF(-24, 0));
    p.setPen(QPen(River, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
    mountains(p, source);
    // The reservoir behind the dam and the valley's steep sides below it.
    p.setPen(Qt::NoPen);
    p.setBrush(River);
    p.drawEllipse(dam + QPointF(-17, -9), 18, 10);
    p.setPen(QPen(QColor(80, 90, 60), 1.5));
    p.drawLine(dam + QPointF(2, -10), dam + QPointF(26, -2));
    p.drawLine(dam + QPointF(2, 10), dam + QPointF(26, 14));
    p.setPen(QPen(QColor(215, 215, 220), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(dam + QPointF(-4, -12), dam + QPointF(3, 11));

    const QPointF ridge = d.part(Ridge);
    ridgeOfHills(p, ridge);
    volcano(p, d.part(Volcano));

    // The south-facing slope: a hillside lit by the sun over the southern sea.
    const QPointF slope = d.part(Slope);
    QPainterPath hillside(slope + QPointF(-42, 14));
    hillside.cubicTo(slope + QPointF(-30, -18), slope + QPointF(26, -20), slope + QPointF(42, 14));
    hillside.closeSubpath();
    p.setPen(QPen(QColor(150, 140, 40), 1));
    p.setBrush(QColor(214, 206, 96));
    p.drawPath(hillside);
    p.setPen(QPen(QColor(170, 150, 40), 1));
    for (int k = -2; k <= 2; ++k)
        p.drawLine(slope + QPointF(k * 14, -6 + std::abs(k) * 3), slope + QPointF(k * 16, 12));
    sun(p, slope + QPointF(0, 62));

    // The coal mine: a winding tower over the shaft and a heap of spoil, a
    // railway to the quays of the port.
    const QPointF mine = d.part(CoalMine);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(30, 30, 34));
    p.drawPolygon(QPolygonF{mine + QPointF(-4, 10), mine + QPointF(14, -6), mine + QPointF(30, 10)});
    p.setPen(QPen(QColor(50, 50, 55), 2));
    p.drawLine(mine + QPointF(-10, 10), mine + QPointF(-4, -14));
    p.drawLine(mine + QPointF(6, 10), mine + QPointF(-4, -14));
    p.drawEllipse(mine + QPointF(-4, -14), 3, 3);
    const QPointF port = mine + QPointF(24, 34);
    p.setPen(QPen(QColor(60, 50, 40), 1.5, Qt::DashLine));
    p.drawLine(mine + QPointF(4, 10), port + QPointF(-6, -6));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(port.x() - 8, port.y() - 4, 22, 6));
    p.setBrush(QColor(120, 40, 40));
    p.drawPolygon(QPolygonF{port + QPointF(2, 9), port + QPointF(22, 9), port + QPointF(18, 14), port + QPointF(5, 14)});

    // A town in the middle of the island, with roads to the port and the valley.
    const QPointF town((d.part(Headland).x() + mouth.x()) / 2 - 10, slope.y() - 60);
    p.setPen(QPen(QColor(230, 220, 190), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath roads(town);
    roads.cubicTo(town + QPointF(40, 10), port + QPointF(-40, -30), port + QPointF(-6, -6));
    roads.moveTo(town);
    roads.cubicTo(town + QPointF(-30, 30), slope + QPointF(10, -30), slope + QPointF(0, -14));
    p.drawPath(roads);
    for (const QPointF& offset : {QPointF(0, 0), QPointF(10, 2), QPointF(-9, 4), QPointF(4, 10), QPointF(-4, -8),
                                  QPointF(14, -6)})
        house(p, town + offset);

    bigWaves(p, d.part(Waves));
    const double mouthX = mouth.x();
    p.setPen(QPen(QColor(210, 210, 215), 3.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(mouthX, mouth.y() - 14), QPointF(mouthX + 1, mouth.y() + 17));

    // The captions.
    const QPointF head = d.part(Headland);
    words(p, ridge + QPointF(0, 24), QStringLiteral("windy ridge"));
    words(p, head + QPointF(-2, 22), QStringLiteral("remote headland"), Words, false);
    words(p, d.part(Waves) + QPointF(-20, 66), QStringLiteral("big waves"), Qt::white);
    words(p, slope + QPointF(0, -24), QStringLiteral("sunny south-facing slope"));
    words(p, d.part(Volcano) + QPointF(-4, 38), QStringLiteral("volcano, hot springs"));
    words(p, dam + QPointF(-20, 24), QStringLiteral("mountain valley"));
    words(p, mouth + QPointF(-34, -14), QStringLiteral("estuary"));
    words(p, mine + QPointF(-14, 24), QStringLiteral("coal mine"));
    words(p, port + QPointF(34, 18), QStringLiteral("port"), Qt::white);
    words(p, town + QPointF(0, 24), QStringLiteral("town"));
    compass(p, QPointF(d.size().width() - 60, 26));
    return image;
}

} // namespace

std::vector<PictureFile> islandPictures()
{
    return {{"Images/island.jpg", islandMap}};
}
const Subject registered{islandPictures};

} // namespace pictures
