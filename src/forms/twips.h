#pragma once
// Geometry of every screen and control is designed in twips and held as
// single-precision numbers. This is the one place where twips become pixels.

#include <QRect>
#include <cmath>

namespace forms {

inline constexpr float TwipsPerPixel = 15.0f;

struct TwipRect {
    float left = 0, top = 0, width = 0, height = 0;
};

inline int toPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }
inline float toTwips(double pixels) { return static_cast<float>(pixels * TwipsPerPixel); }

// Left and right edges are rounded separately so that boxes designed edge to
// edge stay edge to edge on screen.
inline QRect toPixels(const TwipRect& r)
{
    const int x = toPixels(r.left), y = toPixels(r.top);
    return QRect(x, y, toPixels(r.left + r.width) - x, toPixels(r.top + r.height) - y);
}

// Font sizes are designed in points at 96 dots per inch (a 12 pt font is
// 16 pixels high); fixing the pixel size keeps captions the same on every DPI.
inline int fontPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

} // namespace forms
