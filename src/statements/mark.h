#pragma once
// A tick for a right answer, a cross for a wrong one: the feedback reads by
// its shape as well as its colour.

#include "forms/control.h"

namespace statements {

class Mark : public forms::Control {
    Q_OBJECT
public:
    enum class Shape { None, Tick, Cross };
    Mark(QWidget* parent, const QString& name);
    Shape shape() const { return shape_; }
    void setShape(Shape shape);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_ = Shape::None;
};

} // namespace statements
