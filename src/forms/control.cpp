#include "forms/control.h"
#include "forms/screen.h"

#include <QFont>

namespace forms {

Control::Control(QWidget* parent, const QString& name, int index)
    : QWidget(parent), name_(name), index_(index)
{
    setObjectName(name);
    setMouseTracking(true);
    // A move over a control belongs to the control, never to the screen beneath.
    setAttribute(Qt::WA_NoMousePropagation);
    applyGeometry();
}

void Control::setLeft(float left) { twips_.left = left; applyGeometry(); }
void Control::setTop(float top) { twips_.top = top; applyGeometry(); }
void Control::setTwipWidth(float width) { twips_.width = width; applyGeometry(); }
void Control::setTwipHeight(float height) { twips_.height = height; applyGeometry(); }
void Control::moveTo(float left, float top) { twips_.left = left; twips_.top = top; applyGeometry(); }
void Control::place(float left, float top, float width, float height)
{
    twips_ = {left, top, width, height};
    applyGeometry();
}

void Control::rescale()
{
    applyGeometry();
    update();
}

float Control::scale() const { return scaleOf(*this); }

void Control::applyGeometry()
{
    setGeometry(toPixels(twips_, scale()));
    twipsChanged();
}

void Control::setBackColor(const QColor& colour) { backColor_ = colour; update(); }
void Control::setForeColor(const QColor& colour) { foreColor_ = colour; update(); }

void Control::setDesignFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(fontPixels(points));
    font.setBold(bold);
    setFont(font);
    update();
}

void Control::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    emit pressed(mouseArgs(*event, true, scale()));
}

void Control::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved(mouseArgs(*event, false, scale()));
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    emit released(mouseArgs(*event, true, scale()));
    if (click) activate();
}

void Control::activate() { emit clicked(); }

} // namespace forms
