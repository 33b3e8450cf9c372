// The program's icon: a yellow wave across a blue board, with an atom's
// orbits in the corner. Drawn at any size, so the same strokes make the
// hicolor PNGs and the scalable SVG.
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>
#include <numbers>

namespace pictures {

namespace {

const QString IconName = QStringLiteral("example.quorvanta.Tavrenel");

void drawIcon(QPainter& painter, double size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const double u = size / 64; // the design is 64 units square
    QLinearGradient board(0, 0, 0, size);
    board.setColorAt(0, QColor(49, 135, 215));
    board.setColorAt(1, QColor(9, 63, 137));
    painter.setPen(QPen(QColor(8, 8, 34), 2 * u));
    painter.setBrush(board);
    painter.drawRoundedRect(QRectF(2 * u, 2 * u, 60 * u, 60 * u), 10 * u, 10 * u);

    QPainterPath wave;
    for (int step = 0; step <= 96; ++step) {
        const double x = 8 + 48.0 * step / 96;
        const double y = 40 - 11 * std::sin(2 * std::numbers::pi * (x - 8) / 24);
        const QPointF at(x * u, y * u);
        if (step == 0) wave.moveTo(at); else wave.lineTo(at);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 0), 4.5 * u, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(wave);

    const QPointF nucleus(46 * u, 17 * u);
    painter.setPen(QPen(Qt::white, 1.6 * u));
    for (int turn = 0; turn < 3; ++turn) {
        painter.save();
        painter.translate(nucleus);
        painter.rotate(60.0 * turn);
        painter.drawEllipse(QPointF(), 11 * u, 4.2 * u);
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 80, 60));
    painter.drawEllipse(nucleus, 2.6 * u, 2.6 * u);
}

QImage iconAt(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawIcon(painter, pixels);
    return image;
}

} // namespace

std::vector<PictureFile> iconPictures()
{
    std::vector<PictureFile> files;
    for (int pixels : {48, 128, 256})
        files.push_back({QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(pixels).arg(IconName),
                         [pixels](int) { return iconAt(pixels); }});
    return files;
}
const Subject registered{iconPictures};

bool writeScalableIcon(const QString& folder)
{
    const QString path = folder + QStringLiteral("/icons/hicolor/scalable/apps/") + IconName + QStringLiteral(".svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Physics Year 10 Tavrenel"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    drawIcon(painter, 64);
    return painter.end();
}

} // namespace pictures
