#pragma once
// How the editor shows a picture and sizes new answer boxes: as the playing
// screen will, so that what the teacher places is what the pupils see.

#include "labelling/ownplay.h"

#include <QSizeF>
#include <algorithm>

namespace labelling {

// Twips of the playing screen to one pixel of a picture `size` pixels large.
inline double playTwipsPerPixel(QSize size)
{
    return size.width() > 0 ? ownPicturePlace(size).width / size.width() : 1.0;
}

} // namespace labelling
