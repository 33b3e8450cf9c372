#include "forms/control.h"

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
void Control::setWidth(float width) { twips_.width = width; applyGeometry(); }
void Control::setHeight(float height) { twips_.height = height; applyGeometry(); }
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

void Control::applyGeometry()
{
    setGeometry(toPixels(twips_));
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

bool Control::setByName(const QString& property, const QVariant& value)
{
    bool ok = false;
    if (property == QLatin1String("Visible")) {
        setVisible(value.toBool());
        return true;
    }
    if (property == QLatin1String("BackColor")) {
        const QColor c = value.value<QColor>();
        if (c.isValid()) setBackColor(c);
        return c.isValid();
    }
    if (property == QLatin1String("ForeColor")) {
        const QColor c = value.value<QColor>();
        if (c.isValid()) setForeColor(c);
        return c.isValid();
    }
    const float v = value.toFloat(&ok);
    if (!ok) return false;
    if (property == QLatin1String("Left")) setLeft(v);
    else if (property == QLatin1String("Top")) setTop(v);
    else if (property == QLatin1String("Width")) setWidth(v);
    else if (property == QLatin1String("Height")) setHeight(v);
    else return false;
    return true;
}

std::optional<QVariant> Control::byName(const QString& property) const
{
    if (property == QLatin1String("Left")) return QVariant(Left());
    if (property == QLatin1String("Top")) return QVariant(Top());
    if (property == QLatin1String("Width")) return QVariant(Width());
    if (property == QLatin1String("Height")) return QVariant(Height());
    if (property == QLatin1String("Visible")) return QVariant(Visible());
    if (property == QLatin1String("BackColor")) return QVariant(backColor_);
    if (property == QLatin1String("ForeColor")) return QVariant(foreColor_);
    return std::nullopt;
}

void Control::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    if (MouseDown) MouseDown(mouseArgs(*event, true));
}

void Control::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (MouseMove) MouseMove(mouseArgs(*event, false));
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (MouseUp) MouseUp(mouseArgs(*event, true));
    if (click) clicked();
}

void Control::clicked()
{
    if (Click) Click();
}

} // namespace forms
