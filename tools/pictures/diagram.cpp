#include "diagram.h"
#include "activity/leaders.h"

#include <cmath>

namespace pictures {

namespace {
std::runtime_error layoutError(const labelling::ActivityData& screen, const QString& what)
{
    return std::runtime_error(QStringLiteral("%1: %2").arg(screen.screen, what).toStdString());
}
} // namespace

Diagram::Diagram(const labelling::ActivityData& screen, const QString& file) : screen_(screen)
{
    for (const labelling::PicturePlace& p : screen.pictures)
        if (p.file == file)
            picture_ = &p;
    if (!picture_)
        throw layoutError(screen, QStringLiteral("no picture ") + file);
}

QSize Diagram::size() const
{
    return {static_cast<int>(std::lround(picture_->width / forms::TwipsPerPixel)),
            static_cast<int>(std::lround(picture_->height / forms::TwipsPerPixel))};
}

QImage Diagram::canvas(const QColor& background, int resolution) const
{
    QImage image = pictures::canvas(size(), resolution);
    image.fill(background);
    return image;
}

QPointF Diagram::part(int target) const
{
    if (target < 0 || target >= int(screen_.items.size()))
        throw layoutError(screen_, QStringLiteral("no target %1").arg(target));
    const auto leader = activity::leaderFrom(screen_.lines, screen_.items[target].target(), activity::TargetReach);
    if (!leader)
        throw layoutError(screen_, QStringLiteral("no leader line touches target %1").arg(target));
    return activity::pictureSpot(*picture_, leader->atPart);
}

QPointF Diagram::partOfCaption(const QString& role) const
{
    for (const labelling::FixedText& text : screen_.texts)
        if (text.name == role) {
            const auto leader = activity::leaderFrom(screen_.lines, text.at, activity::CaptionReach);
            if (!leader)
                break;
            return activity::pictureSpot(*picture_, leader->atPart);
        }
    throw layoutError(screen_, QStringLiteral("no leader line leaves the text %1").arg(role));
}

QRectF Diagram::target(int i) const
{
    if (i < 0 || i >= int(screen_.items.size()))
        throw layoutError(screen_, QStringLiteral("no target %1").arg(i));
    return activity::pictureRect(*picture_, screen_.items[i].target());
}

} // namespace pictures
