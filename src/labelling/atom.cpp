// The Structure of an Atom: label the parts of a lithium atom, and in the key
// the charge each kind of particle carries.
#include "labelling/atom.h"
#include "labelling/activity.h"

#include <cmath>
#include <numbers>

namespace labelling {

namespace {

constexpr char Title[] = "The Structure of an Atom";

constexpr float CentreX = 4800, CentreY = 3840;

// A point `radius` twips from the atom's centre, `degrees` anticlockwise from
// the right (the screen's y grows downwards).
QPointF around(float radius, float degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return {CentreX + radius * std::cos(a), CentreY - radius * std::sin(a)};
}

AtomDrawing lithium()
{
    AtomDrawing a;
    a.centre = {CentreX, CentreY};
    a.nucleonRadius = 165;
    a.electronRadius = 105;
    a.nucleusRadius = 540;
    a.shells = {1200, 2280};
    // Lithium-7: a neutron in the middle, protons and neutrons alternating
    // round it, touching.
    a.particles.push_back({Particle::Neutron, a.centre});
    for (int k = 0; k < 6; ++k)
        a.particles.push_back({k % 2 ? Particle::Proton : Particle::Neutron, around(2 * a.nucleonRadius, 60.0f * k)});
    // Two electrons fill the first shell; the third is alone on the second.
    a.particles.push_back({Particle::Electron, around(a.shells[0], 90)});
    a.particles.push_back({Particle::Electron, around(a.shells[0], 270)});
    a.particles.push_back({Particle::Electron, around(a.shells[1], 225)});
    // The key: each symbol stands left of its charge target.
    a.key = {{Particle::Proton, {8400, 5167.5}},
             {Particle::Neutron, {8400, 5647.5}},
             {Particle::Electron, {8400, 6127.5}}};
    return a;
}

// Where a leader ends on the particle of `kind` nearest `near`.
QPointF particleNear(const AtomDrawing& a, Particle kind, QPointF near)
{
    QPointF best;
    double nearest = 1e9;
    for (const PlacedParticle& p : a.particles)
        if (p.kind == kind) {
            const QPointF d = p.centre - near;
            if (const double far = std::hypot(d.x(), d.y()); far < nearest) {
                nearest = far;
                best = p.centre;
            }
        }
    return best;
}

ActivityData atom()
{
    const AtomDrawing& a = atomDrawing();
    ActivityData d;
    d.screen = "atom";
    d.checks.partsDrawn = false; // drawn before this check: its leaders' ends are checked one by one
    d.caption = Title;
    d.background = QColor(20, 44, 100);
    d.answerPoints = 12;
    //         answer                           target        size        home
    d.items = {{"nucleus",                       120, 3600,    2280, 375,  3360, 6600, "the cluster of particles at the centre of the atom"},
               {"proton",                        8040, 1560,   2280, 375,  8880, 7320, "a red particle at the centre"},
               {"neutron",                       8040, 2760,   2280, 375,  600, 7320, "a grey particle at the centre"},
               {"electron",                      120, 5400,    2280, 375,  6120, 6600, "a small blue particle on the outer ring"},
               {"electron shell (energy level)", 120, 1200,    2280, 615,  600, 6600, "the outer ring around the centre"},
               {"positive charge",               8880, 4980,   2640, 375,  6120, 7320, "the red particle in the key"},
               {"no charge",                     8880, 5460,   2640, 375,  8880, 6600, "the grey particle in the key"},
               {"negative charge",               8880, 5940,   2640, 375,  3360, 7320, "the blue particle in the key"}};
    d.pictures = {{"Images\\atom.jpg", 2400, 840, 9480, 5640, false, "Diagram of a lithium atom: a cluster of three red and four grey particles at the centre, two small blue particles on an inner ring and one on an outer ring; a key shows one red, one grey and one blue particle"}};
    d.texts = {{"instruction", -1, "Label this lithium atom and its key.", {120, 120, 7200, 585},
                timesText(24)}};
    d.scoreLine = {"scoreLine", {7560, 120, 4200, 585}, 24};
    const QPointF nucleus = around(a.nucleusRadius - 30, 172); // just inside its outline
    const QPointF proton = particleNear(a, Particle::Proton, around(600, 60));
    const QPointF neutron = particleNear(a, Particle::Neutron, around(600, 0));
    const QPointF electron = particleNear(a, Particle::Electron, around(a.shells[1], 225));
    const QPointF shell = around(a.shells[1], 135);
    auto line = [](int index, QPointF box, QPointF part) {
        return leaderLine(index, float(box.x()), float(box.y()), float(part.x()), float(part.y()));
    };
    d.lines = {line(0, {2400, 3787.5}, nucleus),
               line(1, {8040, 1747.5}, proton),
               line(2, {8040, 2947.5}, neutron),
               line(3, {2400, 5587.5}, electron),
               line(4, {2400, 1507.5}, shell)};
    for (int k = 0; k < 3; ++k)
        d.lines.push_back(line(5 + k, {8880, float(a.key[k].centre.y())}, a.key[k].centre));
    return d;
}

} // namespace

const AtomDrawing& atomDrawing()
{
    static const AtomDrawing drawing = lithium();
    return drawing;
}

const ActivityData& atomActivity()
{
    static const ActivityData data = atom();
    return data;
}

LabellingTopic atomTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop activity to label an atom.",
                                     "When all the labels have been put into position, the score can be checked.",
                                     "This activity links well with the Chemistry component of their course."}},
                          atomActivity());
}

} // namespace labelling
