// The pictures of the ear screen: a section through the ear, and the five
// frames of the vibrating tuning fork. Each part that an answer names is drawn
// where that answer's leader line ends, read from the screen's own table; a
// part that does not hold the end of its line stops the build.
#include "painting.h"
#include "pictures.h"
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

namespace pictures {

namespace {

using labelling::earLeaders;
using labelling::earSoundActivity;

const QColor Air(16, 26, 52);
const QColor Tissue(168, 108, 96);
const QColor Bone(120, 108, 100);
const QColor Skin(230, 176, 150);
const QColor SkinShade(186, 126, 106);
const QColor Ossicle(242, 232, 206);
const QColor Drum(236, 208, 198);
const QColor Labyrinth(238, 152, 142);
const QColor LabyrinthLine(150, 70, 72);
const QColor Nerve(240, 200, 128);
const QColor NerveFibre(196, 146, 82);
const QColor Outline(48, 28, 24);

// Where each answer's leader line ends, in pixels of the picture whose
// top-left corner lies at `origin` (twips), keyed by the answer.
std::map<QString, QPointF> partPoints(QPointF origin)
{
    const labelling::ActivityData& data = earSoundActivity();
    std::map<QString, QPointF> points;
    for (const labelling::TargetLeader& leader : earLeaders())
        points[data.items.at(leader.target).answer] =
            (QPointF(leader.partX, leader.partY) - origin) / forms::TwipsPerPixel;
    return points;
}

QPainterPath thickLine(QPointF a, QPointF b, double width)
{
    QPainterPath line(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

QPainterPath disc(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& colour, double outline = 1.2)
{
    p.setPen(QPen(Outline, outline));
    p.setBrush(colour);
    p.drawPath(path);
}

bool holds(const QPainterPath& part, QPointF point, const char* name)
{
    if (part.contains(point))
        return true;
    std::fprintf(stderr, "makepictures: the %s is not drawn where its leader line ends (%g, %g)\n", name,
                 point.x(), point.y());
    return false;
}

// Section through the side of the head, cut away round the ear: soft tissue
// under the skin, and the bone that houses the middle and inner ear.
void drawHead(QPainter& p, QSize size)
{
    const double right = size.width() - 6, bottom = size.height() - 8;
    QPainterPath head(QPointF(66, 34));
    head.cubicTo(70, 14, 90, 10, 120, 11);
    head.cubicTo(200, 16, 300, 6, right - 20, 12);
    head.cubicTo(right - 4, 14, right + 2, 40, right - 2, 80);
    head.cubicTo(right - 8, 140, right + 4, 220, right - 4, bottom - 22);
    head.cubicTo(right - 6, bottom - 4, right - 30, bottom + 2, right - 60, bottom);
    head.cubicTo(260, bottom - 6, 180, bottom + 4, 100, bottom - 2);
    head.cubicTo(78, bottom - 4, 66, bottom - 14, 64, bottom - 36);
    head.cubicTo(56, 200, 56, 100, 66, 34);
    fill(p, head, Tissue);

    QPainterPath bone(QPointF(102, 40));
    bone.cubicTo(150, 22, 260, 34, right - 10, 28);
    bone.cubicTo(right - 4, 110, right - 12, 200, right - 14, bottom - 20);
    bone.cubicTo(300, bottom - 12, 200, bottom - 22, 112, bottom - 16);
    bone.cubicTo(96, 200, 92, 110, 102, 40);
    p.setPen(QPen(Outline.lighter(160), 1));
    p.setBrush(Bone);
    p.drawPath(bone);

    p.setPen(QPen(Skin, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath surface(QPointF(66, 36));
    surface.cubicTo(56, 100, 56, 200, 64, bottom - 38);
    p.drawPath(surface);
}

// The outer ear: the flap with its curled rim and lobe, and the bowl that
// leads into the canal.
void drawOuterEar(QPainter& p, QPointF opening)
{
    const double y = opening.y();
    QPainterPath pinna(QPointF(64, y - 92));
    pinna.cubicTo(44, y - 128, 12, y - 118, 14, y - 66);
    pinna.cubicTo(15, y - 20, 22, y + 20, 26, y + 62);
    pinna.cubicTo(28, y + 96, 34, y + 122, 52, y + 122);
    pinna.cubicTo(62, y + 122, 66, y + 110, 64, y + 96);
    pinna.closeSubpath();
    fill(p, pinna, Skin);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SkinShade, 3.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rim(QPointF(58, y - 100));
    rim.cubicTo(40, y - 112, 22, y - 100, 24, y - 64);
    rim.cubicTo(26, y - 20, 32, y + 30, 34, y + 70);
    p.drawPath(rim);
    QPainterPath fold(QPointF(60, y - 70));
    fold.cubicTo(42, y - 74, 38, y - 44, 40, y - 24);
    p.drawPath(fold);
    fill(p, disc(QPointF(opening.x() + 8, y + 2), 16, 26), SkinShade, 0);
}

// The ear canal, lined with skin, from the bowl of the outer ear to the drum.
void drawCanal(QPainter& p, QPointF opening, QPointF drumAt)
{
    QPainterPath canal(opening + QPointF(4, 0));
    canal.cubicTo(opening.x() + 34, opening.y() - 8, drumAt.x() - 40, drumAt.y() + 8, drumAt.x(), drumAt.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Skin, 34, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(canal);
    p.setPen(QPen(Air, 26, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(canal);
}

// The middle ear: an air space behind the drum, drained downwards by the
// Eustachian tube.
void drawMiddleEar(QPainter& p, QPointF drumAt, QPointF bonesAt, QPointF oval, double bottom)
{
    QPainterPath tube(drumAt + QPointF(44, 36));
    tube.cubicTo(drumAt.x() + 48, drumAt.y() + 80, drumAt.x() + 70, bottom - 60, drumAt.x() + 76, bottom);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Air, 9, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(tube);
    const QRectF space(drumAt.x() - 4, bonesAt.y() - 24, oval.x() - drumAt.x() + 8, drumAt.y() - bonesAt.y() + 70);
    QPainterPath cavity;
    cavity.addRoundedRect(space, 26, 30);
    fill(p, cavity, Air, 0);
}

// The inner ear: vestibule, semicircular canals and the coiled cochlea,
// drawn so that the cochlea holds `cochleaAt`. Returns the cochlea.
QPainterPath drawInnerEar(QPainter& p, QPointF vestibule, QPointF cochleaAt, QPointF& cochleaCentre)
{
    const double radius = 44;
    cochleaCentre = cochleaAt + QPointF(-22, -34);
    p.setBrush(Qt::NoBrush);
    const std::tuple<QPointF, double, double> loops[] = {
        {vestibule + QPointF(0, -40), 13, 24}, {vestibule + QPointF(30, -30), 24, 12}, {vestibule + QPointF(20, -58), 12, 12}};
    for (const auto& [centre, rx, ry] : loops) {
        p.setPen(QPen(Outline, 9));
        p.drawEllipse(centre, rx, ry);
        p.setPen(QPen(Labyrinth, 6));
        p.drawEllipse(centre, rx, ry);
    }
    const QPointF ductEnd = cochleaCentre + QPointF(-26, -28);
    p.setPen(QPen(Outline, 17, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(vestibule, ductEnd);
    p.setPen(QPen(Labyrinth, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(vestibule, ductEnd);
    fill(p, disc(vestibule, 15, 12), Labyrinth);

    const QPainterPath cochlea = disc(cochleaCentre, radius, radius);
    fill(p, cochlea, Labyrinth);
    QPainterPath spiral;
    const int steps = 200;
    for (int n = 0; n <= steps; ++n) {
        const double t = double(n) / steps, angle = 2.4 + t * 2.7 * 2 * M_PI;
        const double r = (radius - 5) * (1 - 0.88 * t);
        const QPointF at = cochleaCentre + QPointF(r * std::cos(angle), r * std::sin(angle));
        if (n == 0) spiral.moveTo(at); else spiral.lineTo(at);
    }
    p.setPen(QPen(LabyrinthLine, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
    return cochlea;
}

// The auditory nerve: from the core of the cochlea, joined by a branch from
// the vestibule, through `nerveAt` towards the brain. Returns the nerve.
QPainterPath drawNerve(QPainter& p, QPointF cochleaCentre, QPointF vestibule, QPointF nerveAt, double right)
{
    const QPointF start = cochleaCentre + QPointF(16, -14);
    const QPointF toward = nerveAt - start;
    const QPointF direction = toward / std::hypot(toward.x(), toward.y());
    const QPointF end = nerveAt + direction * ((right - nerveAt.x()) / direction.x());
    QPainterPath course(start);
    course.cubicTo(start + toward * 0.3 + QPointF(-6, -8), nerveAt - toward * 0.3, nerveAt);
    course.lineTo(end);
    QPainterPath branch(vestibule + QPointF(12, -2));
    branch.quadTo(vestibule + QPointF(50, -4), nerveAt - direction * 18);
    QPainterPathStroker thick, thin;
    thick.setWidth(20);
    thin.setWidth(9);
    thin.setCapStyle(Qt::RoundCap);
    const QPainterPath nerve = thick.createStroke(course).united(thin.createStroke(branch));
    fill(p, nerve, Nerve);
    p.setPen(QPen(NerveFibre, 1.3));
    p.setBrush(Qt::NoBrush);
    const QPointF across(-direction.y(), direction.x());
    for (double offset : {-5.0, 0.0, 5.0})
        p.drawPath(course.translated(across * offset));
    return nerve;
}

// The hammer, the anvil and the stirrup, from the drum to the oval window of
// the inner ear, the anvil's body where the leader line of the bones ends.
QPainterPath drawBones(QPainter& p, QPointF drumAt, QPointF bonesAt, QPointF oval)
{
    const QPointF hammerHead = bonesAt + QPointF(-14, -5);
    const QPointF anvilFoot = bonesAt + QPointF(14, 30);
    const QPainterPath bones = disc(hammerHead, 8, 9)
                                   .united(thickLine(hammerHead, drumAt + QPointF(2, 8), 6))
                                   .united(disc(bonesAt, 10, 9))
                                   .united(thickLine(bonesAt, bonesAt + QPointF(14, -6), 6))
                                   .united(thickLine(bonesAt, anvilFoot, 6))
                                   .united(thickLine(anvilFoot, oval + QPointF(-3, -8), 4))
                                   .united(thickLine(anvilFoot, oval + QPointF(-3, 8), 4))
                                   .united(thickLine(oval + QPointF(-1, -10), oval + QPointF(-1, 10), 5));
    fill(p, bones, Ossicle);
    return bones;
}

QImage earPicture(int resolution)
{
    const labelling::ActivityData& data = earSoundActivity();
    const labelling::PicturePlace& picture = data.pictures.at(0);
    const auto points = partPoints(QPointF(picture.left, picture.top));
    const QPointF drumAt = points.at("eardrum"), bonesAt = points.at("ear bones");
    const QPointF cochleaAt = points.at("cochlea"), nerveAt = points.at("auditory nerve");

    QImage image = canvas(QSize(qRound(picture.width / forms::TwipsPerPixel), qRound(picture.height / forms::TwipsPerPixel)), resolution);
    const QSizeF size = designRect(image).size();
    image.fill(data.background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    drawHead(p, size.toSize());
    const QPointF opening(46, drumAt.y() + 2);
    drawOuterEar(p, opening);
    drawCanal(p, opening, drumAt);
    const QPointF oval = drumAt + QPointF(80, -6);
    drawMiddleEar(p, drumAt, bonesAt, oval, size.height() - 10);
    const QPointF vestibule = oval + QPointF(18, 0);
    QPointF cochleaCentre;
    const QPainterPath cochlea = drawInnerEar(p, vestibule, cochleaAt, cochleaCentre);
    const QPainterPath nerve = drawNerve(p, cochleaCentre, vestibule, nerveAt, size.width() - 16);
    const QPainterPath bones = drawBones(p, drumAt, bonesAt, oval);
    // The eardrum: a thin membrane across the end of the canal.
    const QPainterPath drum = QTransform().translate(drumAt.x(), drumAt.y()).rotate(10).map(disc(QPointF(0, 0), 4, 30));
    fill(p, drum, Drum);
    p.end();

    const bool placed = holds(drum, drumAt, "eardrum") && holds(bones, bonesAt, "ear bones")
        && holds(cochlea, cochleaAt, "cochlea") && holds(nerve, nerveAt, "auditory nerve");
    return placed ? image : QImage();
}

// One frame of the fork: the stem below, the two prongs above, bent outwards
// by `spread` pixels at their tips (inwards when negative). The leader line of
// "tuning fork" ends above the middle of the gap between the prong tips.
QImage forkFrame(int frame, int resolution)
{
    const forms::TwipRect area = labelling::ForkPictureArea;
    const QPointF pointedAt = partPoints(QPointF(area.left, area.top)).at("tuning fork");
    const double centre = pointedAt.x(), tip = pointedAt.y() + 3;
    const double spread = (frame - 2) * 3.0;
    const double crook = 200, gap = 8, prong = 8;

    QImage image = canvas(QSize(qRound(area.width / forms::TwipsPerPixel), qRound(area.height / forms::TwipsPerPixel)), resolution);
    const double height = designRect(image).height();
    image.fill(earSoundActivity().background);

    // Each prong bends from the crook, most at its tip.
    QPainterPath fork;
    std::vector<QPolygonF> ridges;
    for (int side : {-1, 1}) {
        auto x = [&](double fromCentre, double y) {
            const double u = (crook - y) / (crook - tip);
            return centre + side * (fromCentre + spread * u * u);
        };
        QPolygonF shape, ridge;
        for (double y = crook; y > tip; y -= 4)
            shape << QPointF(x(gap, y), y);
        shape << QPointF(x(gap, tip), tip);
        for (double y = tip; y < crook; y += 4) {
            shape << QPointF(x(gap + prong, y), y);
            ridge << QPointF(x(gap + prong / 2 - 1, y), y + 2);
        }
        shape << QPointF(x(gap + prong, crook), crook + 1) << QPointF(x(gap, crook), crook + 1);
        QPainterPath outline;
        outline.addPolygon(shape);
        fork = fork.united(outline);
        ridges.push_back(ridge);
    }
    // The crook joining the prongs, the stem and its knob.
    QPainterPath bend(QPointF(centre - gap - prong, crook));
    bend.arcTo(QRectF(centre - gap - prong, crook - gap - prong, 2 * (gap + prong), 2 * (gap + prong)), 180, 180);
    bend.lineTo(centre + gap, crook);
    bend.arcTo(QRectF(centre - gap, crook - gap, 2 * gap, 2 * gap), 0, -180);
    bend.closeSubpath();
    QPainterPath stem;
    stem.addRoundedRect(QRectF(centre - 5, crook + gap + prong - 2, 10, height - crook - gap - prong - 12), 3, 3);
    fork = fork.united(bend).united(stem).united(disc(QPointF(centre, height - 10), 7, 7));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fill(p, fork, QColor(190, 196, 208));
    p.setPen(QPen(QColor(246, 248, 252), 2, Qt::SolidLine, Qt::RoundCap));
    for (const QPolygonF& ridge : ridges)
        p.drawPolyline(ridge);
    return image;
}

// The screen names its pictures with backslashes.
QString written(QString designPath) { return designPath.replace(QLatin1Char('\\'), QLatin1Char('/')); }

} // namespace

std::vector<PictureFile> earPictures()
{
    std::vector<PictureFile> all{{written(earSoundActivity().pictures.at(0).file), earPicture}};
    for (int frame = 0; frame < labelling::ForkFrames; ++frame)
        all.push_back({written(labelling::forkFrameFile(frame)), [frame](int resolution) { return forkFrame(frame, resolution); }});
    return all;
}
const Subject registered{earPictures};

} // namespace pictures
