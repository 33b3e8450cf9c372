// The pictures of the title screen, the opening screen and the standard buttons.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

// A 119 x 33 button face with its word.
QImage buttonPicture(const QString& word, QColor top, QColor bottom)
{
    QImage image(119, 33, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 33);
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.fillRect(image.rect(), face);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(1, 1, 117, 1);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawLine(1, 31, 117, 31);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(image.rect().translated(1, 1), Qt::AlignCenter, word);
    p.setPen(QColor(255, 255, 0));
    p.drawText(image.rect(), Qt::AlignCenter, word);
    return image;
}

QImage starField(QSize size, int stars, unsigned seed)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(4, 6, 24));
    sky.setColorAt(1, QColor(12, 10, 40));
    p.fillRect(image.rect(), sky);
    unsigned s = seed;
    auto next = [&s] { s = s * 1103515245u + 12345u; return (s >> 8) & 0xffff; };
    for (int i = 0; i < stars; ++i) {
        const int x = static_cast<int>(next() % size.width()), y = static_cast<int>(next() % size.height());
        const int b = 120 + static_cast<int>(next() % 135);
        p.setPen(QColor(b, b, std::min(255, b + 20)));
        p.drawPoint(x, y);
    }
    return image;
}

void ringedPlanet(QPainter& p, QPointF centre, double radius)
{
    p.save();
    p.translate(centre);
    p.rotate(-18);
    const QRectF ring(-radius * 2.2, -radius * 0.5, radius * 4.4, radius * 1.0);
    // Back half of the rings, then the globe, then the front half.
    p.setPen(QPen(QColor(210, 190, 150, 200), radius * 0.12));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 0, 180 * 16);
    QRadialGradient globe(QPointF(-radius * 0.4, -radius * 0.4), radius * 1.4);
    globe.setColorAt(0, QColor(240, 220, 170));
    globe.setColorAt(1, QColor(150, 110, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(globe);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.setPen(QPen(QColor(210, 190, 150, 230), radius * 0.12));
    p.drawArc(ring, 180 * 16, 180 * 16);
    p.restore();
}

QImage titlePicture()
{
    QImage image = starField(QSize(320, 240), 180, 7);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ringedPlanet(p, QPointF(200, 140), 55);
    return image;
}

QImage openingBackground()
{
    QImage image = starField(QSize(800, 600), 900, 11);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    ringedPlanet(p, QPointF(430, 360), 120);
    return image;
}

QImage logo()
{
    QImage image(100, 139, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 140));
    p.drawEllipse(QPointF(50, 50), 34, 34);
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(50, 50), 14, 14);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 60, 140));
    p.drawText(QRect(0, 96, 100, 30), Qt::AlignCenter, QStringLiteral("Quorvanta"));
    return image;
}

} // namespace

std::vector<PictureFile> spinePictures()
{
    const QColor blueTop(70, 120, 220), blueBottom(20, 50, 140);
    return {
        {"opening/cassin00.jpg", titlePicture},
        {"Images/cassini.jpg", openingBackground},
        {"Images/logo2.jpg", logo},
        {"Images/exit.jpg", [=] { return buttonPicture("Exit", QColor(220, 70, 60), QColor(140, 20, 20)); }},
        {"Images/next.jpg", [=] { return buttonPicture("Next", blueTop, blueBottom); }},
        {"Images/answer.jpg", [=] { return buttonPicture("Answer", blueTop, blueBottom); }},
        {"Images/check.jpg", [=] { return buttonPicture("Check", blueTop, blueBottom); }},
        {"Images/jotter.jpg", [=] { return buttonPicture("Jotter", blueTop, blueBottom); }},
        {"Images/scramble.jpg", [=] { return buttonPicture("Scramble", blueTop, blueBottom); }},
    };
}

} // namespace pictures
