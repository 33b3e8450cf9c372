#pragma once
// Fitting a statement into its box: the largest size that fits, down to a
// smallest size, below which the text is cut short with an ellipsis.

#include <QSize>
#include <QString>

namespace statements {

struct TextFit {
    double points = 0;   // the size that fits, in points
    QString text;        // the text as shown: whole, or cut short
    bool cut = false;    // the text had to be cut short
    int heightPixels = 0;
};

// Wrapped at word boundaries, centred, in `box` pixels; tries every pixel
// size from `largest` down to `smallest` points.
TextFit fitText(const QString& text, const QString& family, bool bold, QSize box, double largest, double smallest);

} // namespace statements
