#pragma once
// A labelling screen's diagram, laid out from the screen's own table: the
// picture's size is the area the layout leaves for it, and each part is drawn
// where the leader line that names it ends, so that every target and line of
// the screen points at its part. Positions are pixels of the picture.

#include "labelling/activitydata.h"
#include "painting.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <stdexcept>

namespace pictures {

class Diagram {
public:
    // Throws std::runtime_error when the screen has no such picture.
    Diagram(const labelling::ActivityData& screen, const QString& file);

    QSize size() const;
    // The picture's pixels, painted in design pixels: at a finer resolution
    // the painter scales itself.
    QImage canvas(const QColor& background, int resolution) const;

    // Where the leader line leaving target i ends: a point on the part answer i names.
    QPointF part(int target) const;
    // Where the leader line leaving a fixed caption ends.
    QPointF partOfCaption(const QString& role) const;
    // Target i, on or beside the picture.
    QRectF target(int i) const;

private:
    const labelling::ActivityData& screen_;
    const labelling::PicturePlace* picture_ = nullptr;
};

} // namespace pictures
