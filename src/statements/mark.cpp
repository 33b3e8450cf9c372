#include "statements/mark.h"

#include <QPainter>
#include <algorithm>

namespace statements {

Mark::Mark(QWidget* parent, const QString& name) : Control(parent, name)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide(); // no mark yet: nothing for a screen reader to find
}

void Mark::setShape(Shape shape)
{
    shape_ = shape;
    setVisible(shape != Shape::None);
    update();
}

void Mark::paintEvent(QPaintEvent*)
{
    if (shape_ == Shape::None)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double side = std::min(r.width(), r.height());
    const QRectF s(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    QPen pen(shape_ == Shape::Tick ? QColor(60, 220, 80) : QColor(255, 70, 60), side / 6, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    p.setPen(pen);
    if (shape_ == Shape::Tick) {
        p.drawPolyline(QPolygonF({QPointF(s.left(), s.top() + side * 0.55), QPointF(s.left() + side * 0.38, s.bottom()),
                                  QPointF(s.right(), s.top())}));
    } else {
        p.drawLine(s.topLeft(), s.bottomRight());
        p.drawLine(s.topRight(), s.bottomLeft());
    }
}

} // namespace statements
