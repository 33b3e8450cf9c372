#pragma once
// The decisions of a labelling board, as plain functions of twip positions:
// where a released label snaps, whether the board is complete, and the score.
// Which box holds a label is never stored; it is read from exact positions.

#include "forms/twips.h"

#include <QString>
#include <span>
#include <vector>

namespace activity {

// A control's top-left corner in twips.
struct Corner {
    float left = 0, top = 0;
    friend bool operator==(Corner, Corner) = default;
};

// A box captures a label whose top-left corner lies strictly inside the zone
// reaching half the box's width to its left and half its height above it, and
// the whole box to its right and below. Each bound is a single-precision value.
bool insideCaptureZone(const forms::TwipRect& box, Corner label);

// The drop pass: the boxes are tested in the given order (target 0, home box 0,
// target 1, home box 1, ...) and each capture snaps the label before the next
// test, so later tests see the snapped position. Returns where the label ends.
Corner dropPass(Corner label, std::span<const forms::TwipRect> boxesInOrder);

// Where a label lands on a board a teacher laid out, whose boxes may stand
// close together: of the boxes the label overlaps, the one nearest its
// centre (a centre inside two boxes takes the one whose middle is nearer).
// A label lying exactly on a box's corner, as a tap or a key puts it, is on
// that box. Returns the box's index, or -1 when the label overlaps none.
int landingBox(const forms::TwipRect& label, std::span<const forms::TwipRect> boxes);

// Pairs (answer label, target) whose corners are exactly equal: the completion
// count. Two labels on one target both count.
int placedCount(std::span<const Corner> labels, std::span<const Corner> targets);

// Answer label i counts only on target i, for i below `count`.
int ownTargetScore(std::span<const Corner> labels, std::span<const Corner> targets, int count);

// Groups of interchangeable targets: an answer of a group counts on any target
// of its group. A target credits at most one answer, so two answers stacked on
// one target of a group score one.
using TargetGroups = std::vector<std::vector<int>>;
int groupedScore(std::span<const Corner> labels, std::span<const Corner> targets, const TargetGroups& groups);

// Targets whose answers read alike (ignoring case and spacing) grouped, so
// that identical answers score on either target; every other target alone.
TargetGroups alikeAnswers(std::span<const QString> answers);

// " 6": the digits after one blank, as a count is shown beside text.
QString paddedNumber(int n);
// "5 out of 6 correct".
QString scoreText(int score, int count);
// " 1.": a target's number.
QString targetNumber(int index);

} // namespace activity
