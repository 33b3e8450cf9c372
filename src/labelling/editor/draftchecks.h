#pragma once
// What a teacher should look at before an activity is saved, though it may
// be: boxes so close that a pupil's drop may land in the wrong one, answers
// the board cannot show whole at their full size, answers that read alike
// (they score either way round) and wrong answers that read as right ones.

#include "labelling/ownactivity.h"

#include <QSize>
#include <QStringList>
#include <utility>
#include <vector>

namespace labelling {

// Twips, on the playing screen, by which a pupil's drop may miss a box
// (its label's centre that far beyond the box's edge) and still be meant for it.
inline constexpr float DropSlip = 120;

// Pairs of boxes (first < second) where a label meant for one, dropped
// DropSlip beyond its edge, lands in the other by the board's rule.
std::vector<std::pair<int, int>> crowdedBoxes(const OwnActivity& activity, QSize picture);
// Whether the board shows `label`'s answer whole at full size, wrapped in
// its box's width on up to three lines (the box grows downwards to hold it).
bool answerShownWhole(const OwnLabel& label, QSize picture);
// The labels whose answer the board shows smaller than full size, or cut,
// to fit its box's width on three lines.
std::vector<int> answersNotWhole(const OwnActivity& activity, QSize picture);
// Groups of two or more labels whose answers read alike.
std::vector<std::vector<int>> repeatedAnswers(const OwnActivity& activity);

// Each of the above, and wrong answers reading as a right one, said in a
// sentence; empty when there is nothing to look at.
QStringList doubts(const OwnActivity& activity, QSize picture);
// Labels numbered from 1, as said: "1", "1 and 2", "1, 2 and 3"; never empty.
QString numbers(const std::vector<int>& indexes);
// As many of `doubts` as `most` characters hold, "and 2 more" saying what is left out.
QString listed(const QStringList& doubts, qsizetype most);
// The question asked before saving, "Save as it is?", with as many of
// `doubts` as its two lines hold.
QString beforeSaving(const QStringList& doubts);

} // namespace labelling
