// Two waves, one above the other. The transverse wave runs on axes whose
// horizontal axis is its rest position, with a wavelength arrow from crest to
// crest and an amplitude arrow from the rest position up to a crest. The
// longitudinal wave is a row of lines, evenly spaced at rest, displaced along
// the row so that they crowd into compressions and spread into rarefactions,
// with a wavelength arrow from compression to compression. The crest, trough,
// axis and arrows stand where the screen's leader lines end.
#include "diagram.h"
#include "pictures.h"
#include "labelling/waves.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

enum Part { WavelengthT, WavelengthL, Amplitude, Crest, Trough, Rest, Compression, Rarefaction };

const QColor Ink(235, 238, 245);
const QColor WaveColour(110, 225, 255);
const QColor Caption(200, 215, 245);

void arrowHead(QPainter& p, QPointF tip, QPointF direction)
{
    const QPointF side(-direction.y(), direction.x());
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPolygon(QPolygonF{tip, tip - direction * 9 + side * 4.5, tip - direction * 9 - side * 4.5});
}

// A measuring arrow with a head at both ends.
void doubleArrow(QPainter& p, QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const QPointF unit = along / std::hypot(along.x(), along.y());
    p.setPen(QPen(Ink, 1.8));
    p.drawLine(from + unit * 6, to - unit * 6);
    arrowHead(p, to, unit);
    arrowHead(p, from, -unit);
}

void guide(QPainter& p, QPointF from, QPointF to)
{
    p.setPen(QPen(Ink, 1.2, Qt::DotLine));
    p.drawLine(from, to);
}

void caption(QPainter& p, QPointF at, const QString& text)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(Caption);
    p.drawText(at, text);
}

QImage wavesDiagram(int resolution)
{
    const labelling::ActivityData& table = labelling::wavesActivity();
    const Diagram d(table, QStringLiteral("Images\\waves.jpg"));
    QImage image = d.canvas(table.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double tau = 2 * std::numbers::pi;

    // The transverse wave: crest, rest position and wavelength arrow fix it.
    const QPointF crest = d.part(Crest), rest = d.part(Rest);
    const double restY = rest.y(), amplitude = restY - crest.y();
    const double wavelength = 2 * (crest.x() - d.part(WavelengthT).x());
    const double origin = crest.x() - wavelength * 1.25; // a crest a quarter wave in
    const double end = origin + 2 * wavelength;

    p.setPen(QPen(Ink, 2));
    p.drawLine(QPointF(origin, restY + amplitude + 18), QPointF(origin, crest.y() - 22));
    arrowHead(p, QPointF(origin, crest.y() - 24), {0, -1});
    p.setPen(QPen(Ink, 2));
    p.drawLine(QPointF(origin, restY), QPointF(rest.x() + 12, restY));
    arrowHead(p, QPointF(rest.x() + 16, restY), {1, 0});
    {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        p.setFont(font);
        p.setPen(Caption);
        p.save();
        p.translate(origin - 8, restY + 4);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QStringLiteral("displacement"));
        p.restore();
        p.drawText(QPointF(rest.x() - 50, restY - 8), QStringLiteral("distance"));
    }
    QPainterPath wave;
    for (double x = origin; x <= end + 0.01; x += 0.5) {
        const QPointF point(x, restY - amplitude * std::sin(tau * (x - origin) / wavelength));
        if (x == origin)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    p.setPen(QPen(WaveColour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);

    const double arrowY = d.part(WavelengthT).y();
    guide(p, QPointF(crest.x() - wavelength, crest.y() - 4), QPointF(crest.x() - wavelength, arrowY - 6));
    guide(p, QPointF(crest.x(), crest.y() - 4), QPointF(crest.x(), arrowY - 6));
    doubleArrow(p, QPointF(crest.x() - wavelength, arrowY), QPointF(crest.x(), arrowY));
    const double amplitudeX = d.part(Amplitude).x();
    doubleArrow(p, QPointF(amplitudeX, restY), QPointF(amplitudeX, restY - amplitude));
    caption(p, QPointF(8, restY + 6), QStringLiteral("transverse wave"));

    // The longitudinal wave: lines 1/20 of a wavelength apart at rest, each
    // moved along the row by a sine of its rest place, so that a compression
    // is centred on `squeeze` and a rarefaction half a wavelength from it.
    const QPointF squeeze = d.part(Compression);
    const double top = squeeze.y() - 18, bottom = squeeze.y() + 54, shift = wavelength * 0.07;
    const double first = squeeze.x() - wavelength / 2, spacing = wavelength / 20;
    p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; first + k * spacing <= end + wavelength * 0.25 + 0.01; ++k) {
        const double atRest = first + k * spacing;
        const double x = atRest + shift * std::sin(tau * (atRest - first) / wavelength);
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    const QPointF lengthMark = d.part(WavelengthL);
    const double left = lengthMark.x() - wavelength / 2, right = lengthMark.x() + wavelength / 2;
    guide(p, QPointF(left, bottom + 3), QPointF(left, lengthMark.y() - 5));
    guide(p, QPointF(right, bottom + 3), QPointF(right, lengthMark.y() - 5));
    doubleArrow(p, QPointF(left, lengthMark.y()), QPointF(right, lengthMark.y()));
    caption(p, QPointF(8, (top + bottom) / 2 + 5), QStringLiteral("longitudinal wave"));
    return image;
}

} // namespace

std::vector<PictureFile> wavesPictures()
{
    return {{"Images/waves.jpg", wavesDiagram}};
}
const Subject registered{wavesPictures};

} // namespace pictures
