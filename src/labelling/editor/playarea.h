#pragma once
// How the editor shows a picture and sizes new answer boxes: as the playing
// screen will, so that what the teacher places is what the pupils see.

#include "labelling/ownplay.h"

#include <QSizeF>
#include <algorithm>

namespace labelling {

// A new answer box, as our screens' targets: Arial bold 12 point.
inline constexpr float AnswerBoxWidth = 2280, AnswerBoxHeight = 375, AnswerBoxPoints = 12;
// A box grows with its answer to this width before its text wraps.
inline constexpr float WidestBox = 3600;

// `picture` (pixels) fitted into `area` with its shape kept, centred across,
// at the area's top, as the playing screen lays it out.
inline forms::TwipRect fitPicture(QSizeF picture, const forms::TwipRect& area)
{
    if (!(picture.width() > 0 && picture.height() > 0))
        return area;
    const double scale = std::min(area.width / picture.width(), area.height / picture.height());
    const float width = float(picture.width() * scale), height = float(picture.height() * scale);
    return {area.left + (area.width - width) / 2, area.top, width, height};
}

// Twips of the playing screen to one pixel of a picture `size` pixels large.
inline double playTwipsPerPixel(QSize size)
{
    return size.width() > 0 ? ownPicturePlace(size).width / size.width() : 1.0;
}

} // namespace labelling
