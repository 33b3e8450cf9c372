#include "activity/leaders.h"

#include <algorithm>
#include <cmath>

namespace activity {

float distanceToBox(QPointF point, const forms::TwipRect& box)
{
    const double dx = std::max({box.left - point.x(), 0.0, point.x() - (box.left + box.width)});
    const double dy = std::max({box.top - point.y(), 0.0, point.y() - (box.top + box.height)});
    return static_cast<float>(std::hypot(dx, dy));
}

std::optional<Leader> leaderFrom(std::span<const LineData> lines, const forms::TwipRect& box, float reach)
{
    std::optional<Leader> best;
    float bestGap = reach;
    for (const LineData& line : lines) {
        const QPointF one(line.x1, line.y1), two(line.x2, line.y2);
        const float gapOne = distanceToBox(one, box), gapTwo = distanceToBox(two, box);
        const bool oneNearer = gapOne <= gapTwo;
        const float gap = oneNearer ? gapOne : gapTwo;
        if (gap <= bestGap) {
            bestGap = gap;
            best = Leader{&line, oneNearer ? one : two, oneNearer ? two : one};
        }
    }
    return best;
}

QPointF pictureSpot(const PicturePlace& picture, QPointF twips)
{
    return (twips - QPointF(picture.left, picture.top)) / forms::TwipsPerPixel;
}

QRectF pictureRect(const PicturePlace& picture, const forms::TwipRect& box)
{
    const QPointF topLeft = pictureSpot(picture, {box.left, box.top});
    return {topLeft, QSizeF(box.width, box.height) / forms::TwipsPerPixel};
}

} // namespace activity
