#pragma once
#include "forms/control.h"

namespace forms {

// A straight line between two points in twips of its parent. Lines are
// decoration: the pointer passes through them to whatever lies beneath.
class Line : public Control {
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, int index = -1);

    void setEnds(float x1, float y1, float x2, float y2);
    void setPen(const QColor& colour, int widthPixels, Qt::PenStyle style = Qt::SolidLine);
    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    int borderWidth() const { return width_; }
    Qt::PenStyle borderStyle() const { return style_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int width_ = 1;
    Qt::PenStyle style_ = Qt::SolidLine;
};

} // namespace forms
