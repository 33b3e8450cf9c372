// The pie chart of Background Radiation, drawn from the screen's own sector
// table: each sector's angle is its share of the dose. Every leader line must
// end inside the sector its answer names, or the picture is not drawn.
#include "diagram.h"
#include "pictures.h"
#include "labelling/background.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace pictures {

namespace {

// A sector from `start` through `sweep` degrees, both clockwise from the top.
QPainterPath sector(QPointF centre, double radius, double start, double sweep)
{
    QPainterPath path(centre);
    // Qt counts anticlockwise from three o'clock.
    path.arcTo(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), 90 - start, -sweep);
    path.closeSubpath();
    return path;
}

QImage backgroundDiagram(int resolution)
{
    const labelling::ActivityData& screen = labelling::backgroundActivity();
    const labelling::PieChart& pie = labelling::backgroundChart();
    const Diagram d(screen, QStringLiteral("Images\\background.jpg"));
    const QPointF centre = activity::pictureSpot(screen.pictures[0], pie.centre);
    const double radius = pie.radius / forms::TwipsPerPixel;

    QImage image = d.canvas(screen.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int count = int(pie.sectors.size());
    std::vector<QPainterPath> paths;
    for (int i = 0; i < count; ++i)
        paths.push_back(sector(centre, radius, pie.startAngle(i), pie.sweep(i)));
    // Filled first, then edged in the background's colour, so that even the
    // thinnest sector keeps its colour to the rim.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.setBrush(pie.sectors[std::size_t(i)].colour);
        p.drawPath(paths[std::size_t(i)]);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.drawEllipse(centre, radius, radius);
    for (int i = 0; i < count; ++i)
        if (pie.sweep(i) >= 5)
            p.drawLine(centre, activity::pictureSpot(screen.pictures[0], pie.at(pie.startAngle(i), 1)));

    for (int i = 0; i < count; ++i)
        if (!paths[std::size_t(i)].contains(d.part(i)))
            throw std::runtime_error("background: leader line " + std::to_string(i) + " misses its sector");
    return image;
}

} // namespace

std::vector<PictureFile> backgroundPictures() { return {{"Images/background.jpg", backgroundDiagram}}; }
const Subject registered{backgroundPictures};

} // namespace pictures
