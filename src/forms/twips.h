#pragma once
// Geometry of every screen and control is designed in twips and held as
// single-precision numbers. This is the one place where twips become pixels.
//
// A screen is designed at 15 twips to the pixel (800 x 600 pixels). Fitting
// the display sets one scale for every screen: the pixels grow or shrink,
// the twips never change, so every position, capture zone and score stays
// exactly as designed. Drawing happens in design pixels under that scale.

#include <QPainter>
#include <QRect>
#include <QSizeF>
#include <algorithm>
#include <cmath>

namespace forms {

inline constexpr float TwipsPerPixel = 15.0f;

struct TwipRect {
    float left = 0, top = 0, width = 0, height = 0;
};

// Whether two boxes share some area; boxes that only touch do not.
inline bool overlaps(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

// `scale` below is the display pixels for each design pixel: 1 unless the
// screens are fitted to the display. The screens object owns it; every screen
// and control reads it from there.
inline float twipsPerPixel(float scale) { return TwipsPerPixel / scale; }

inline int toPixels(float twips, float scale) { return static_cast<int>(std::lround(twips / twipsPerPixel(scale))); }
inline float toTwips(double pixels, float scale) { return static_cast<float>(pixels * twipsPerPixel(scale)); }

// Design measures, which the scale never changes: a picture's or a text's
// own size in design pixels gives the same twips at every scale.
inline float designTwips(double designPixels) { return static_cast<float>(designPixels * TwipsPerPixel); }
inline int designPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

// Left and right edges are rounded separately so that boxes designed edge to
// edge stay edge to edge on screen.
inline QRect toPixels(const TwipRect& r, float scale)
{
    const int x = toPixels(r.left, scale), y = toPixels(r.top, scale);
    return QRect(x, y, toPixels(r.left + r.width, scale) - x, toPixels(r.top + r.height, scale) - y);
}

// The box as it is at scale 1, moved to the origin: what a control paints in.
inline QRect designArea(const TwipRect& r)
{
    const int x = designPixels(r.left), y = designPixels(r.top);
    return QRect(0, 0, designPixels(r.left + r.width) - x, designPixels(r.top + r.height) - y);
}

// Sets the painter to draw in design pixels, the design area filling the
// widget's pixels exactly; returns the design area. At the design size
// (scale 1) the two are the same and nothing changes.
inline QRect paintInDesignPixels(QPainter& painter, const TwipRect& r, QSize pixels)
{
    const QRect area = designArea(r);
    if (pixels != area.size() && area.width() > 0 && area.height() > 0) {
        painter.scale(double(pixels.width()) / area.width(), double(pixels.height()) / area.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    return area;
}

// The largest scale at which a 800 x 600 design fits a display of this many
// pixels, its shape kept; 1 for a display of no size.
inline float fitScale(QSizeF displayPixels)
{
    if (!(displayPixels.width() > 0 && displayPixels.height() > 0))
        return 1.0f;
    return static_cast<float>(std::min(displayPixels.width() / 800.0, displayPixels.height() / 600.0));
}

// Font sizes are designed in points at 96 dots per inch (a 12 pt font is
// 16 pixels high); fixing the pixel size keeps captions the same on every DPI.
// Fonts stay at their design size: the painter's scale enlarges them.
inline int fontPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

} // namespace forms
