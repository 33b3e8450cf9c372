// The lithium atom of The Structure of an Atom, laid out from the screen's own
// drawing table: the nucleus of protons and neutrons, the electrons on their
// shells, and the key beside the charge targets. Every leader line must end on
// the part its answer names, or the picture is not drawn.
#include "diagram.h"
#include "pictures.h"
#include "labelling/atom.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace pictures {

namespace {

using labelling::Particle;

const QColor Shell(170, 190, 230);

QColor colourOf(Particle kind)
{
    switch (kind) {
    case Particle::Proton: return {222, 58, 48};
    case Particle::Neutron: return {176, 178, 186};
    case Particle::Electron: return {70, 170, 255};
    }
    return {};
}

// A ball lit from the upper left.
void ball(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient shade(centre - QPointF(radius, radius) * 0.35, radius * 1.3);
    shade.setColorAt(0, colour.lighter(165));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1, colour.darker(160));
    p.setPen(QPen(colour.darker(220), 1));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// Throws unless the leader of `target` ends within `reach` pixels of `centre`
// (and, for a ring, at least `inner` from it).
void mustEnd(const Diagram& d, int target, QPointF centre, double reach, double inner = 0)
{
    const double far = distance(d.part(target), centre);
    if (far > reach || far < inner)
        throw std::runtime_error("atom: leader line " + std::to_string(target) + " misses its part");
}

QImage atomDiagram(int resolution)
{
    const labelling::ActivityData& screen = labelling::atomActivity();
    const labelling::AtomDrawing& atom = labelling::atomDrawing();
    const Diagram d(screen, QStringLiteral("Images\\atom.jpg"));
    const labelling::PicturePlace& place = screen.pictures[0];
    auto spot = [&](QPointF twips) { return activity::pictureSpot(place, twips); };
    auto pixels = [](double twips) { return twips / forms::TwipsPerPixel; };

    QImage image = d.canvas(screen.background, resolution);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = spot(atom.centre);

    p.setBrush(Qt::NoBrush);
    for (float shell : atom.shells) {
        p.setPen(QPen(Shell, 2));
        p.drawEllipse(centre, pixels(shell), pixels(shell));
    }
    // The nucleus: a faint glow within its outline.
    const double nucleus = pixels(atom.nucleusRadius);
    QRadialGradient glow(centre, nucleus);
    glow.setColorAt(0, QColor(255, 230, 160, 120));
    glow.setColorAt(1, QColor(255, 230, 160, 40));
    p.setPen(QPen(QColor(255, 230, 160), 1.5, Qt::DashLine));
    p.setBrush(glow);
    p.drawEllipse(centre, nucleus, nucleus);
    for (const labelling::PlacedParticle& particle : atom.particles)
        ball(p, spot(particle.centre), pixels(atom.radius(particle.kind)), colourOf(particle.kind));

    // The key: a framed box round the symbols and their charge targets.
    const QRectF first = d.target(5), last = d.target(7);
    const QPointF symbol = spot(atom.key.front().centre);
    const QRectF frame(QPointF(symbol.x() - 24, first.top() - 34), QPointF(last.right() + 10, last.bottom() + 10));
    p.setPen(QPen(QColor(230, 230, 240), 1.5));
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawRoundedRect(frame, 6, 6);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(frame.left() + 8, frame.top() + 4, 80, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Key"));
    for (const labelling::PlacedParticle& particle : atom.key)
        ball(p, spot(particle.centre), pixels(atom.nucleonRadius), colourOf(particle.kind));

    // Each leader on its part.
    auto particleOf = [&](Particle kind, int target) {
        const QPointF end = d.part(target);
        for (const labelling::PlacedParticle& particle : atom.particles)
            if (particle.kind == kind && distance(spot(particle.centre), end) <= pixels(atom.radius(kind)))
                return;
        throw std::runtime_error("atom: leader line " + std::to_string(target) + " misses its particle");
    };
    mustEnd(d, 0, centre, nucleus);
    particleOf(Particle::Proton, 1);
    particleOf(Particle::Neutron, 2);
    particleOf(Particle::Electron, 3);
    const double outer = pixels(atom.shells.back());
    mustEnd(d, 4, centre, outer + 1, outer - 1);
    for (int k = 0; k < 3; ++k)
        mustEnd(d, 5 + k, spot(atom.key[std::size_t(k)].centre), pixels(atom.nucleonRadius));
    return image;
}

} // namespace

std::vector<PictureFile> atomPictures() { return {{"Images/atom.jpg", atomDiagram}}; }
const Subject registered{atomPictures};

} // namespace pictures
