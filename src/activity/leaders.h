#pragma once
// Leader lines tie a box (a target, or a fixed caption) to the part of the
// picture it names. One end touches the box, or stops a little short of a
// caption's text; the other end lies on the part. The picture generator draws
// each part where that far end lands, so the diagram and the lines agree.

#include "activity/parts.h"

#include <QPointF>
#include <optional>
#include <span>

namespace activity {

// How far short of its box a leader's near end may stop: a target's leader
// touches it to within a pixel; a caption's starts a short gap from its text.
inline constexpr float TargetReach = 15;
inline constexpr float CaptionReach = 300;

struct Leader {
    const LineData* line;
    QPointF atBox;  // twips
    QPointF atPart; // twips
};

// A leader line in the designs' yellow: line `index` from (boxX, boxY) at its
// box to (partX, partY) on the part it names.
inline LineData leaderLine(int index, float boxX, float boxY, float partX, float partY, int width = 2)
{
    return {index, boxX, boxY, partX, partY, forms::Yellow, width};
}

// Twips from a point to the nearest point of a box; 0 on its edge or inside.
float distanceToBox(QPointF point, const forms::TwipRect& box);

// The line with an end within `reach` of the box, the nearest if several.
std::optional<Leader> leaderFrom(std::span<const LineData> lines, const forms::TwipRect& box, float reach);

// A point of the screen, in twips, as a pixel of the picture laid out at `picture`.
QPointF pictureSpot(const PicturePlace& picture, QPointF twips);

// A box of the screen in pixels of the picture: where it falls on, or beside,
// the picture.
QRectF pictureRect(const PicturePlace& picture, const forms::TwipRect& box);

} // namespace activity
