#include "forms/line.h"

#include <QPainter>
#include <algorithm>

namespace forms {

Line::Line(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2)
{
    x1_ = x1; y1_ = y1; x2_ = x2; y2_ = y2;
    fit();
}

void Line::setPen(const QColor& colour, int widthPixels, Qt::PenStyle style)
{
    setForeColor(colour);
    width_ = std::max(1, widthPixels);
    style_ = style;
    fit();
}

// The control's box is the line's bounding box widened by the pen on each side.
void Line::fit()
{
    const float margin = designTwips(width_);
    place(std::min(x1_, x2_) - margin, std::min(y1_, y2_) - margin,
          std::abs(x2_ - x1_) + 2 * margin, std::abs(y2_ - y1_) + 2 * margin);
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const float scale = this->scale();
    QPen pen(foreColor(), width_ * scale, style_, Qt::FlatCap);
    painter.setPen(pen);
    const float perPixel = twipsPerPixel(scale);
    const QPointF origin(toPixels(left(), scale), toPixels(top(), scale));
    const QPointF a = QPointF(x1_ / perPixel, y1_ / perPixel) - origin;
    const QPointF b = QPointF(x2_ / perPixel, y2_ / perPixel) - origin;
    painter.drawLine(a, b);
}

} // namespace forms
