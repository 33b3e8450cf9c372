#pragma once
// Playing a teacher's own labelling activity on the ordinary labelling
// screen: the picture scaled to fit the picture area, targets numbered in the
// file's order, leader lines to the parts, the answers and any wrong answers
// dealt into the home boxes in a new order at each start.

#include "forms/twips.h"
#include "labelling/ownactivity.h"

#include <QImage>
#include <QSize>

namespace forms { class Screens; }

namespace labelling {

// The name the screen playing a teacher's activity is registered under.
inline const QString OwnActivityScreen = QStringLiteral("ownactivity");

// The box the picture is fitted into, keeping its shape: centred across, at
// the box's top. The home boxes stand in rows beneath the picture.
inline constexpr forms::TwipRect OwnPictureArea{240, 960, 11520, 5160};
// A teacher's picture is kept with up to this many of its pixels to a design
// pixel of that area, as our finest pictures are drawn: sharp on a board whose
// screens are fitted three or more times the design size (a 4K display).
inline constexpr int FinestOwnPicture = 3;

// A new answer box, as our screens' targets: Arial bold 12 point.
inline constexpr float AnswerBoxWidth = 2280, AnswerBoxHeight = 375, AnswerBoxPoints = 12;
// A box grows with its answer to this width before its text wraps.
inline constexpr float WidestBox = 3600;

// The largest size, in points, at which the board shows `answer` whole in a
// box `width` twips wide, wrapped on up to three lines; 0 when at none. The
// board shows every answer at the size the longest needs.
double answerFitsAt(const QString& answer, float width);

// `pixels` fitted into `area` with its shape kept, centred across, at the
// area's top; the whole area for a picture of no size.
forms::TwipRect fitPicture(QSizeF pixels, const forms::TwipRect& area);
// Where a picture `pixels` in size is shown, in twips: fitted to OwnPictureArea.
forms::TwipRect ownPicturePlace(QSize pixels);

// Shows `activity` (saved or not) on the labelling screen, in place of any
// activity already playing there; the screen keeps its own copy. `picture` is
// its picture already decoded, or null to decode it here. Returns why it
// cannot be shown (a picture that does not decode), or empty.
QString playOwnActivity(forms::Screens& screens, const OwnActivity& activity, QImage picture = {});

} // namespace labelling
