#pragma once
// The Structure of an Atom: a lithium atom, three protons and four neutrons in
// its nucleus and three electrons on two shells, with a key to the particles.
// The drawing's geometry lives here so that the screen's leader lines and the
// generated picture agree.

#include "activity/topic.h"
#include "labelling/activitydata.h"

#include <QPointF>
#include <vector>

namespace labelling {

enum class Particle { Proton, Neutron, Electron };

struct PlacedParticle {
    Particle kind;
    QPointF centre; // twips of the screen
};

struct AtomDrawing {
    QPointF centre;                  // of the nucleus and the shells
    float nucleusRadius;             // the nucleus's outline
    float nucleonRadius, electronRadius;
    std::vector<float> shells;       // radii, innermost first
    std::vector<PlacedParticle> particles;
    std::vector<PlacedParticle> key; // one symbol of each kind, beside its charge target

    float radius(Particle kind) const { return kind == Particle::Electron ? electronRadius : nucleonRadius; }
};

const AtomDrawing& atomDrawing();
const ActivityData& atomActivity();
LabellingTopic atomTopic();

} // namespace labelling
