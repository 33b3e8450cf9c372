// The electromagnetic spectrum: a band of seven regions, each centred over
// its name on the screen, the visible region a rainbow from red to violet. A
// wave runs across the band, its wavelength shortening steadily from radio
// waves to gamma rays; the arrow of increasing frequency points towards gamma
// rays and the arrow of increasing wavelength back towards radio waves, each
// at the height of its name.
#include "diagram.h"
#include "pictures.h"
#include "labelling/emspectrum.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

constexpr int Regions = 7;
constexpr int Visible = 3;

// A long arrow across the picture through the middle of its name's box,
// broken where the box lies so the box's number reads clearly; its head at
// the right end when `towardsRight`.
void arrow(QPainter& p, const QRectF& name, double width, bool towardsRight)
{
    const double y = name.center().y();
    const double tail = towardsRight ? 6 : width - 6, tip = towardsRight ? width - 6 : 6;
    const double back = towardsRight ? -22 : 22;
    const double gapLeft = name.left() - 8, gapRight = name.right() + 8;
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(std::min(tail, tip + back * 0.8), y), QPointF(gapLeft, y));
    p.drawLine(QPointF(gapRight, y), QPointF(std::max(tail, tip + back * 0.8), y));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{tip, y}, {tip + back, y - 11}, {tip + back, y + 11}});
}

// A wave across `band` whose wavelength falls in a steady ratio from `longest`
// at the left edge to `shortest` at the right.
QPainterPath shorteningWave(const QRectF& band, double longest, double shortest, double amplitude)
{
    QPainterPath wave;
    const double y0 = band.center().y(), step = 0.25;
    double phase = 0;
    for (double x = band.left(); x <= band.right(); x += step) {
        const double t = (x - band.left()) / band.width();
        const double wavelength = longest * std::pow(shortest / longest, t);
        const QPointF point(x, y0 - amplitude * std::sin(phase));
        if (x == band.left())
            wave.moveTo(point);
        else
            wave.lineTo(point);
        phase += 2 * std::numbers::pi * step / wavelength;
    }
    return wave;
}

QImage spectrumDiagram(int resolution)
{
    const labelling::ActivityData& table = labelling::emSpectrumActivity();
    const Diagram d(table, QStringLiteral("Images\\spectrum.jpg"));
    QImage image = d.canvas(table.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double width = d.size().width(); // design pixels, at every resolution

    // The band lies between the frequency arrow's name and the regions' names.
    const double top = d.target(labelling::IncreasingFrequency).bottom() + 26;
    const double bottom = d.target(0).top() - 8;
    double edges[Regions + 1];
    edges[0] = 0;
    edges[Regions] = width;
    for (int k = 1; k < Regions; ++k)
        edges[k] = (d.target(k - 1).center().x() + d.target(k).center().x()) / 2;

    for (int k = 0; k < Regions; ++k) {
        const QRectF region(edges[k], top, edges[k + 1] - edges[k], bottom - top);
        if (k == Visible) {
            QLinearGradient rainbow(region.topLeft(), region.topRight());
            const QColor colours[] = {{200, 0, 0},   {255, 120, 0}, {255, 230, 0}, {0, 180, 40},
                                      {0, 90, 230},  {60, 20, 170}, {130, 0, 170}};
            for (int c = 0; c < 7; ++c)
                rainbow.setColorAt(c / 6.0, colours[c]);
            p.fillRect(region, rainbow);
        } else {
            // Neighbouring regions alternate in shade so each stands apart.
            p.fillRect(region, k % 2 ? QColor(92, 104, 126) : QColor(120, 132, 154));
        }
    }
    p.setPen(QPen(QColor(20, 24, 36), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, top, width - 2, bottom - top));
    for (int k = 1; k < Regions; ++k)
        p.drawLine(QPointF(edges[k], top), QPointF(edges[k], bottom));

    const QRectF band(4, top, width - 8, bottom - top);
    const QPainterPath wave = shorteningWave(band, 170, 5, (bottom - top) * 0.3);
    p.setPen(QPen(QColor(20, 24, 36), 4.5));
    p.drawPath(wave);
    p.setPen(QPen(Qt::white, 2));
    p.drawPath(wave);

    arrow(p, d.target(labelling::IncreasingFrequency), width, true);
    arrow(p, d.target(labelling::IncreasingWavelength), width, false);
    return image;
}

} // namespace

std::vector<PictureFile> spectrumPictures()
{
    return {{"Images/spectrum.jpg", spectrumDiagram}};
}
const Subject registered{spectrumPictures};

} // namespace pictures
