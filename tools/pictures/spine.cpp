// The pictures of the title screen, the opening screen and the standard
// buttons: a spacecraft at Saturn, the publisher's logo, button faces.
#include "bodies.h"
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace pictures {

namespace {

// A glossy 119 x 33 button face with its word in yellow.
QImage buttonPicture(int resolution, const QString& word, QColor top, QColor bottom)
{
    QImage image = canvas(QSize(119, 33), resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 33);
    face.setColorAt(0, top);
    face.setColorAt(0.5, top.darker(115));
    face.setColorAt(0.52, bottom.lighter(110));
    face.setColorAt(1, bottom);
    p.fillRect(designRect(image), face);
    QLinearGradient gloss(0, 1, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(3, 2, 113, 14), 5, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bottom.darker(180), 2));
    p.drawRect(QRectF(1, 1, 117, 31));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(designRect(image).translated(1.2, 1.2), Qt::AlignCenter, word);
    p.setPen(QColor(255, 255, 0));
    p.drawText(designRect(image), Qt::AlignCenter, word);
    return image;
}

// Deep space: a dark gradient with a faint violet-blue nebula where the
// mask lets it show, then the stars.
QImage spaceBackground(int resolution, QSize size, int stars, std::uint32_t seed, const std::function<double(double, double)>& nebulaMask)
{
    QImage image = canvas(size, resolution);
    const double scale = 1.0 / std::max(size.width(), size.height());
    shadePixels(image, [&](double x, double y) {
        const double u = x * scale, v = y * scale;
        const Rgb sky = mix(rgb(3, 4, 16), rgb(10, 8, 30), v);
        const double cloud = smoothstep(0.45, 0.85, fractal(u * 3, v * 3, 6, seed)) * nebulaMask(x, y);
        const double tint = fractal(u * 2, v * 2, 3, seed + 5);
        return sky + mix(rgb(90, 40, 120), rgb(30, 70, 140), tint) * (0.45 * cloud);
    });
    QPainter p(&image);
    paintStars(p, QRectF(QPointF(0, 0), QSizeF(size)), stars, seed + 1);
    return image;
}

// A three-axis spacecraft with a big white dish, a gold-foiled body, a probe
// on its side, power generators and a long boom, lit from the left.
// size is the dish's diameter in pixels.
void paintSpacecraft(QPainter& p, QPointF centre, double size, double angle)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.rotate(angle);
    p.scale(size / 4, size / 4); // the dish spans -2 .. 2
    auto shaded = [](double left, double right, QColor dark, QColor light) {
        QLinearGradient g(left, 0, right, 0);
        g.setColorAt(0, light);
        g.setColorAt(0.35, light.lighter(110));
        g.setColorAt(1, dark);
        return g;
    };
    const QPen thin(QColor(150, 150, 160), 0.05);
    // The long boom and the thin radio antennas, behind everything.
    p.setPen(QPen(QColor(170, 170, 180), 0.07));
    p.drawLine(QPointF(-0.9, -2.2), QPointF(-7.5, -4.6));
    p.setBrush(QColor(90, 90, 100));
    p.drawEllipse(QPointF(-7.5, -4.6), 0.14, 0.14);
    p.setPen(thin);
    p.drawLine(QPointF(0.9, -2.1), QPointF(3.6, -3.5));
    p.drawLine(QPointF(0.9, -2.1), QPointF(4.0, -1.7));
    // Power generators with their fins, angled out at the bottom.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 0.85, 1.9);
        p.rotate(side * 55);
        p.setPen(Qt::NoPen);
        p.setBrush(shaded(-0.25, 0.25, QColor(30, 30, 34), QColor(95, 95, 105)));
        p.drawRect(QRectF(-0.22, 0, 0.44, 1.7));
        p.setPen(QPen(QColor(60, 60, 66), 0.06));
        for (double y = 0.2; y < 1.7; y += 0.3)
            p.drawLine(QPointF(-0.36, y), QPointF(0.36, y));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    // The lower module and two engine bells.
    p.setBrush(shaded(-0.7, 0.7, QColor(50, 50, 56), QColor(170, 170, 178)));
    p.drawRect(QRectF(-0.7, 1.9, 1.4, 0.5));
    for (int side : {-1, 1}) {
        QPainterPath bell;
        const double x = side * 0.35;
        bell.moveTo(x - 0.12, 2.4);
        bell.lineTo(x + 0.12, 2.4);
        bell.lineTo(x + 0.3, 3.1);
        bell.lineTo(x - 0.3, 3.1);
        bell.closeSubpath();
        p.setBrush(shaded(x - 0.3, x + 0.3, QColor(25, 25, 28), QColor(120, 115, 110)));
        p.drawPath(bell);
    }
    // The gold-foiled propulsion module, crinkled.
    p.setBrush(shaded(-0.9, 0.9, QColor(100, 62, 8), QColor(235, 185, 70)));
    p.drawRect(QRectF(-0.9, -1.95, 1.8, 3.9));
    Random crinkle(5);
    for (int i = 0; i < 18; ++i) {
        const double x = crinkle.between(-0.85, 0.85), y = crinkle.between(-1.9, 1.7);
        p.setPen(QPen(i % 2 ? QColor(255, 235, 160, 110) : QColor(90, 55, 5, 110), 0.035));
        p.drawLine(QPointF(x, y), QPointF(x + crinkle.between(-0.15, 0.15), y + crinkle.between(0.1, 0.35)));
    }
    p.setPen(QPen(QColor(80, 48, 6, 200), 0.06)); // seams round the cylinder
    p.setBrush(Qt::NoBrush);
    for (double y : {-0.9, 0.5, 1.95})
        p.drawArc(QRectF(-0.9, y - 0.16, 1.8, 0.32), 180 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    // The probe on the side: a bronze heat shield seen edge-on.
    p.setBrush(shaded(0.85, 1.55, QColor(90, 50, 20), QColor(215, 150, 80)));
    p.drawEllipse(QPointF(1.15, 0.1), 0.4, 0.62);
    p.setBrush(QColor(235, 235, 240));
    p.drawEllipse(QPointF(1.02, 0.1), 0.16, 0.5);
    // The electronics ring under the dish.
    p.setBrush(shaded(-1.2, 1.2, QColor(28, 28, 32), QColor(135, 135, 145)));
    p.drawRect(QRectF(-1.2, -2.6, 2.4, 0.65));
    p.setPen(QPen(QColor(20, 20, 24), 0.04));
    for (double x = -0.9; x < 1.2; x += 0.3)
        p.drawLine(QPointF(x, -2.58), QPointF(x, -1.97));
    // The dish: its convex back, the bright bowl seen from above, the feed.
    p.setPen(Qt::NoPen);
    QPainterPath back;
    back.moveTo(-2, -3.15);
    back.cubicTo(-1.7, -2.35, 1.7, -2.35, 2, -3.15);
    back.closeSubpath();
    p.setBrush(shaded(-2, 2, QColor(120, 120, 128), QColor(235, 235, 240)));
    p.drawPath(back);
    QRadialGradient bowl(QPointF(-0.6, -3.3), 2.3);
    bowl.setColorAt(0, QColor(255, 255, 255));
    bowl.setColorAt(1, QColor(175, 178, 188));
    p.setBrush(bowl);
    p.drawEllipse(QPointF(0, -3.15), 2, 0.42);
    p.setPen(thin);
    for (double x : {-0.9, 0.9, 0.0})
        p.drawLine(QPointF(x, x == 0 ? -2.85 : -3.2), QPointF(0, -4.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 220, 226));
    p.drawEllipse(QPointF(0, -4.02), 0.22, 0.08);
    p.restore();
}

QImage titlePicture(int resolution)
{
    QImage image = spaceBackground(resolution, QSize(320, 240), 260, 7, [](double x, double) { return 1 - x / 320; });
    paintGlobe(image, saturn({{208, 112}, 50, -0.3, -0.3, 0.9}, 24, 16));
    QPainter p(&image);
    paintSpacecraft(p, {78, 168}, 64, -22);
    return image;
}

QImage openingBackground(int resolution)
{
    // The links at the right and the title across the top stay on dark sky;
    // the notice at the bottom right lies on the bright ice of a near moon.
    QImage image = spaceBackground(resolution, QSize(800, 600), 1100, 11, [](double x, double y) {
        return (1 - smoothstep(480, 640, x)) * smoothstep(60, 160, y);
    });
    const double sunX = -0.3, sunY = -0.35, sunZ = 0.9;
    paintGlobe(image, saturn({{330, 292}, 100, sunX, sunY, sunZ}, 24, 14));
    // The moon is lit more from above, which keeps the notice's strip bright.
    paintGlobe(image, iceMoon({{640, 1230}, 700, -0.25, -0.8, 0.55}));
    paintGlobe(image, hazyMoon({{96, 300}, 13, sunX, sunY, sunZ}));
    QPainter p(&image);
    paintSpacecraft(p, {165, 170}, 92, -32);
    return image;
}

// The publisher's mark: an orbit drawn as a Q round a small planet, over the
// name, on a deep blue card with a gold edge.
QImage logo(int resolution)
{
    QImage image = canvas(QSize(100, 139), resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient card(0, 0, 0, 139);
    card.setColorAt(0, QColor(18, 40, 110));
    card.setColorAt(1, QColor(6, 14, 48));
    p.fillRect(designRect(image), card);
    p.setPen(QPen(QColor(230, 180, 60), 2));
    p.drawRect(QRectF(2, 2, 96, 135));
    const QPointF centre(50, 52);
    const QColor gold(255, 200, 70);
    p.setPen(QPen(gold, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 28, 28);
    p.setPen(QPen(gold, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(12, 12), centre + QPointF(30, 30)); // the Q's tail
    QRadialGradient planet(centre + QPointF(-4, -4), 14);
    planet.setColorAt(0, QColor(140, 200, 255));
    planet.setColorAt(1, QColor(30, 90, 190));
    p.setPen(Qt::NoPen);
    p.setBrush(planet);
    p.drawEllipse(centre, 11, 11);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 19, 6);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 92, 100, 20), Qt::AlignCenter, QStringLiteral("QUORVANTA"));
    font.setPixelSize(9);
    font.setBold(false);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    p.setPen(gold);
    p.drawText(QRect(0, 112, 100, 16), Qt::AlignCenter, QStringLiteral("LEARNING"));
    return image;
}

} // namespace

std::vector<PictureFile> spinePictures()
{
    const QColor blueTop(80, 130, 230), blueBottom(20, 50, 150);
    auto button = [](const char* word, QColor top, QColor bottom) {
        return [=](int resolution) { return buttonPicture(resolution, QString::fromLatin1(word), top, bottom); };
    };
    return {
        {"opening/cassin00.jpg", titlePicture},
        {"Images/cassini.jpg", openingBackground},
        {"Images/logo2.jpg", logo},
        {"Images/exit.jpg", button("Exit", QColor(230, 80, 60), QColor(140, 20, 20))},
        {"Images/next.jpg", button("Next", blueTop, blueBottom)},
        {"Images/answer.jpg", button("Answer", blueTop, blueBottom)},
        {"Images/check.jpg", button("Check", blueTop, blueBottom)},
        {"Images/jotter.jpg", button("Jotter", blueTop, blueBottom)},
        {"Images/scramble.jpg", button("Scramble", blueTop, blueBottom)},
    };
}
const Subject registered{spinePictures};

} // namespace pictures
