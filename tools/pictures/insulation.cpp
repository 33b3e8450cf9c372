// The house of the Insulation screens, seen from the front with its gable,
// a patch of wall and the loft cut open. Each part is drawn where the leader
// line that names it ends on the screen.
#include "insulation.h"
#include "diagram.h"
#include "pictures.h"
#include "labelling/insulation.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pictures {

namespace {

const QColor Outline(24, 24, 30);

void brickWall(QPainter& p, const QRectF& area)
{
    p.fillRect(area, QColor(158, 74, 54));
    p.setPen(QPen(QColor(196, 166, 146), 1));
    const double course = 7, brick = 18;
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += course, ++row) {
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        for (double x = area.left() + (row % 2 ? brick / 2 : 0); x < area.right(); x += brick)
            p.drawLine(QPointF(x, y), QPointF(x, std::min(y + course, area.bottom())));
    }
}

// A window in its white frame: curtains drawn either side, or a double-glazed
// pane, two sheets of glass with the sealed gap showing at their edges.
void window(QPainter& p, const QRectF& frame, bool curtains)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(frame);
    const QRectF glass = frame.adjusted(4, 4, -4, -4);
    QLinearGradient sky(glass.topLeft(), glass.bottomRight());
    sky.setColorAt(0, QColor(150, 200, 235));
    sky.setColorAt(1, QColor(70, 120, 170));
    p.setBrush(sky);
    p.drawRect(glass);
    if (!curtains) {
        // Two panes side by side, each a sealed unit of two sheets.
        const double half = glass.width() / 2;
        for (int k = 0; k < 2; ++k) {
            const QRectF pane(glass.left() + k * half, glass.top(), half, glass.height());
            p.setPen(QPen(QColor(245, 245, 240), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(pane);
            p.setPen(QPen(QColor(120, 130, 140), 2));
            p.drawRect(pane.adjusted(4, 4, -4, -4));
            p.setPen(QPen(QColor(230, 240, 250), 1));
            p.drawRect(pane.adjusted(7, 7, -7, -7));
            p.setPen(QPen(QColor(255, 255, 255, 170), 2));
            p.drawLine(pane.topLeft() + QPointF(10, pane.height() - 12), pane.topLeft() + QPointF(pane.width() - 12, 10));
        }
        return;
    }
    p.setPen(QPen(QColor(245, 245, 240), 3));
    p.drawLine(QPointF(glass.center().x(), glass.top()), QPointF(glass.center().x(), glass.bottom()));
    const double curtain = glass.width() * 0.32;
    for (int side : {0, 1}) {
        const double x0 = side ? glass.right() - curtain : glass.left() - 2;
        const QRectF drape(x0, frame.top() + 1, curtain + 2, frame.height() + 4);
        QLinearGradient folds(drape.topLeft(), drape.topRight());
        for (int k = 0; k <= 6; ++k)
            folds.setColorAt(k / 6.0, k % 2 ? QColor(120, 16, 30) : QColor(176, 36, 52));
        p.setPen(QPen(QColor(70, 8, 16), 1));
        p.setBrush(folds);
        p.drawRect(drape);
    }
    p.setPen(QPen(QColor(110, 80, 40), 3));
    p.drawLine(frame.topLeft() + QPointF(-4, 1), frame.topRight() + QPointF(4, 1));
}

void door(QPainter& p, const QRectF& leaf)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(leaf.adjusted(-5, -5, 5, 0));
    // The seal: a rubber strip round the frame and a brush strip along the sill.
    p.setPen(QPen(QColor(20, 20, 20), 2.5));
    p.setBrush(QColor(30, 92, 70));
    p.drawRect(leaf);
    p.setPen(QPen(QColor(18, 60, 46), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(leaf.left() + 7, leaf.top() + 8, leaf.width() - 14, leaf.height() * 0.36));
    p.drawRect(QRectF(leaf.left() + 7, leaf.top() + leaf.height() * 0.52, leaf.width() - 14, leaf.height() * 0.36));
    p.setPen(QPen(QColor(210, 180, 60), 2));
    p.drawLine(QPointF(leaf.center().x() - 8, leaf.top() + leaf.height() * 0.47),
               QPointF(leaf.center().x() + 8, leaf.top() + leaf.height() * 0.47));
    p.setBrush(QColor(220, 190, 70));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(leaf.right() - 7, leaf.center().y() + 4), 3, 3);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (double x = leaf.left() + 1; x < leaf.right(); x += 2)
        p.drawLine(QPointF(x, leaf.bottom() - 4), QPointF(x + 1, leaf.bottom()));
}

// A patch of the outer bricks broken away to show the foam filling the
// cavity, and further in, the inner wall of blocks.
void cavityCutaway(QPainter& p, QPointF heart, double wallLeft)
{
    const QPolygonF outerGap{{wallLeft, heart.y() - 22}, {heart.x() + 14, heart.y() - 22}, {heart.x() + 22, heart.y() - 14},
                             {heart.x() + 30, heart.y() - 4}, {heart.x() + 26, heart.y() + 8},
                             {heart.x() + 32, heart.y() + 20}, {heart.x() + 12, heart.y() + 24},
                             {wallLeft, heart.y() + 24}};
    p.setPen(QPen(QColor(90, 40, 30), 1.5));
    p.setBrush(QColor(236, 214, 96));
    p.drawPolygon(outerGap);
    QPainterPath foam;
    foam.addPolygon(outerGap);
    speckle(p, foam, QRectF(QPointF(wallLeft, heart.y() - 22), QPointF(heart.x() + 32, heart.y() + 24)), 120, 5,
            {1.6, 1.6}, [](Random& r) { return r.uniform() < 0.5 ? QColor(250, 236, 150) : QColor(200, 170, 60); });
    const double innerRight = heart.x() - 10;
    const QPolygonF innerGap{{wallLeft, heart.y() - 16}, {innerRight - 4, heart.y() - 16}, {innerRight, heart.y() - 4},
                             {innerRight - 3, heart.y() + 8}, {innerRight, heart.y() + 18}, {wallLeft, heart.y() + 18}};
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(170, 170, 164));
    p.drawPolygon(innerGap);
    p.setPen(QPen(QColor(120, 120, 116), 1));
    for (double y = heart.y() - 16 + 11; y < heart.y() + 18; y += 11)
        p.drawLine(QPointF(wallLeft, y), QPointF(innerRight - 3, y));
}

} // namespace

const labelling::ActivityData& insulationScreen(const QString& name)
{
    for (const labelling::ActivityData& data : labelling::insulationActivities())
        if (data.screen == name)
            return data;
    throw std::runtime_error("no insulation screen " + name.toStdString());
}

QImage houseDiagram(int resolution)
{
    const Diagram d(insulationScreen("house"), QStringLiteral("Images\\house.jpg"));
    const QPointF loft = d.part(0), curtain = d.part(1), cavity = d.part(2), glazing = d.part(3), entrance = d.part(4);
    QImage image = d.canvas(QColor(44, 72, 140), resolution);
    const double width = d.size().width(), height = d.size().height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(36, 58, 118));
    sky.setColorAt(1, QColor(76, 112, 170));
    p.fillRect(QRectF(QPointF(0, 0), d.size()), sky);

    const double wallLeft = std::min(curtain.x(), cavity.x()) - 30;
    const double wallRight = std::max(glazing.x(), entrance.x()) + 29;
    const double eaves = loft.y() + 14, groundY = entrance.y() + 84, ridge = 12;
    const double middle = (wallLeft + wallRight) / 2;

    QLinearGradient lawn(0, groundY, 0, height);
    lawn.setColorAt(0, QColor(62, 128, 56));
    lawn.setColorAt(1, QColor(36, 88, 36));
    p.fillRect(QRectF(0, groundY, width, height - groundY), lawn);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(112, 106, 98));
    p.drawPolygon(QPolygonF{{entrance.x() - 24, groundY}, {entrance.x() + 24, groundY}, {entrance.x() + 40, height},
                            {entrance.x() - 40, height}});

    brickWall(p, QRectF(wallLeft, eaves, wallRight - wallLeft, groundY - eaves));

    // The gable cut open to show the loft, with the insulation laid thick
    // over its floor.
    const QPolygonF roof{{wallLeft - 8, eaves}, {middle, ridge}, {wallRight + 8, eaves}};
    const QRectF chimney(wallLeft + 48, ridge + 22, 16, 40);
    p.setPen(QPen(Outline, 1));
    brickWall(p, chimney);
    p.setBrush(Qt::NoBrush);
    p.drawRect(chimney);
    p.setPen(QPen(QColor(70, 40, 36), 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(QColor(34, 28, 30));
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(120, 60, 50), 1));
    for (int k = 1; k < 6; ++k) {
        const double t = k / 6.0;
        p.drawLine(QPointF(wallLeft - 8 + (middle - wallLeft + 8) * t, eaves - (eaves - ridge) * t), QPointF(middle, ridge));
    }
    p.save();
    QPainterPath loftSpace;
    loftSpace.addPolygon(QPolygonF{{wallLeft - 2, eaves - 3}, {middle, ridge + 6}, {wallRight + 2, eaves - 3}});
    p.setClipPath(loftSpace);
    p.setPen(QPen(QColor(110, 74, 46), 3));
    for (double x = middle - 50; x <= middle + 50; x += 25)
        p.drawLine(QPointF(x, ridge + 8), QPointF(x, loft.y() - 10));
    QLinearGradient wool(0, loft.y() - 10, 0, loft.y() + 10);
    wool.setColorAt(0, QColor(250, 220, 120));
    wool.setColorAt(1, QColor(214, 170, 70));
    p.fillRect(QRectF(0, loft.y() - 10, width, 20), wool);
    Random fibre(11);
    p.setPen(QPen(QColor(180, 130, 50), 1));
    for (int i = 0; i < 90; ++i) {
        const double x = fibre.between(0, width), y = fibre.between(loft.y() - 8, loft.y() + 8);
        p.drawLine(QPointF(x, y), QPointF(x + 6, y + fibre.between(-2, 2)));
    }
    p.restore();
    p.fillRect(QRectF(wallLeft, loft.y() + 10, wallRight - wallLeft, eaves - loft.y() - 10), QColor(230, 226, 214));

    const double pane = 76;
    window(p, QRectF(curtain.x() - 18, curtain.y() - 30, pane, 60), true);
    window(p, QRectF(middle - pane / 2, curtain.y() - 30, pane, 60), true);
    window(p, QRectF(glazing.x() + 18 - pane, glazing.y() - 30, pane, 60), false);
    window(p, QRectF(curtain.x() - 18, cavity.y() + 36, pane, 56), true);
    window(p, QRectF(middle - pane / 2, cavity.y() + 36, pane, 56), true);
    door(p, QRectF(entrance.x() - 24, entrance.y() - 20, 48, groundY - entrance.y() + 20));
    cavityCutaway(p, cavity, wallLeft);
    return image;
}

std::vector<PictureFile> insulationPictures()
{
    return {{"Images/house.jpg", houseDiagram},
            {"Images/thermos.jpg", flaskDiagram},
            {"Images/leslie.jpg", leslieDiagram}};
}
const Subject registered{insulationPictures};

} // namespace pictures
