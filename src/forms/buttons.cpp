#include "forms/buttons.h"

#include <QKeyEvent>
#include <QPainter>

namespace forms {

namespace {

void drawRaisedEdge(QPainter& painter, const QRect& bounds, bool sunken)
{
    const QRect r = bounds.adjusted(0, 0, -1, -1);
    const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

// In design pixels, within the control's design area.
QRect indicatorRect(const QRect& area)
{
    const int size = 13;
    return QRect(2, (area.height() - size) / 2, size, size);
}

void drawCaption(QPainter& painter, const QWidget& w, const QRect& area, const QColor& colour, const QString& caption)
{
    painter.setPen(colour);
    painter.setFont(w.font());
    painter.drawText(area.adjusted(indicatorRect(area).right() + 6, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

bool pressKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// The dotted ring of the control that has the keyboard.
void drawFocus(QPainter& painter, const QWidget& w, const QRect& area, const QColor& colour)
{
    if (!w.hasFocus())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

} // namespace

Button::Button(QWidget* parent, const QString& name, int index) : PictureHolder(parent, name, index)
{
    setBackColor(QColor(192, 192, 192));
    setForeColor(QColor(0, 0, 0));
    setTabStop(true);
}

void Button::setCaption(const QString& caption) { caption_ = caption; update(); }
void Button::setWord(const QString& word) { word_ = word; update(); }
void Button::setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

void Button::mousePressEvent(QMouseEvent* event)
{
    down_ = event->button() == Qt::LeftButton;
    update();
    PictureHolder::mousePressEvent(event);
}

void Button::mouseReleaseEvent(QMouseEvent* event)
{
    down_ = false;
    update();
    PictureHolder::mouseReleaseEvent(event);
}

void Button::keyPressEvent(QKeyEvent* event)
{
    if (pressKey(*event))
        activate();
    else
        PictureHolder::keyPressEvent(event);
}

void Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    const QRect area = paintInDesignPixels(painter, twips(), size());
    const QPoint shift = down_ ? QPoint(1, 1) : QPoint(0, 0);
    if (!picture().isNull()) {
        const QRect target = QRect(QPoint(0, 0), picture().deviceIndependentSize().toSize());
        painter.drawPixmap(target.translated(area.center() - target.center() + shift), picture());
    }
    if (!caption_.isEmpty()) {
        painter.setPen(foreColor());
        painter.setFont(font());
        painter.drawText(area.translated(shift), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    } else if (picture().isNull() && !word_.isEmpty()) {
        QFont face(QStringLiteral("Arial"));
        face.setPixelSize(fontPixels(12));
        face.setBold(true);
        painter.setPen(foreColor());
        painter.setFont(face);
        painter.drawText(area.translated(shift), Qt::AlignCenter, word_);
    }
    drawRaisedEdge(painter, area, down_);
    if (hasFocus()) {
        painter.setPen(QPen(foreColor(), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(3, 3, -4, -4));
    }
}

CheckBox::CheckBox(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setBackColor(QColor(192, 192, 192));
}

void CheckBox::setValue(int value)
{
    if (value == value_)
        return;
    value_ = value;
    update();
    emit clicked();
}

void CheckBox::setCaption(const QString& caption) { caption_ = caption; update(); }

void CheckBox::activate() { setValue(value_ ? 0 : 1); }

void CheckBox::keyPressEvent(QKeyEvent* event)
{
    if (pressKey(*event))
        activate();
    else
        Control::keyPressEvent(event);
}

void CheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    const QRect area = paintInDesignPixels(painter, twips(), size());
    const QRect box = indicatorRect(area);
    painter.fillRect(box, Qt::white);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (value_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(QPolygonF({QPointF(box.left() + 3, box.center().y()),
                                        QPointF(box.left() + 5.5, box.bottom() - 3),
                                        QPointF(box.right() - 2.5, box.top() + 3)}));
    }
    drawCaption(painter, *this, area, foreColor(), caption_);
    drawFocus(painter, *this, area, foreColor());
}

OptionButton::OptionButton(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setBackColor(QColor(192, 192, 192));
}

void OptionButton::select(bool value)
{
    value_ = value;
    if (value && parentWidget()) {
        for (OptionButton* other : parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->value_) {
                other->value_ = false;
                other->update();
            }
    }
    update();
}

void OptionButton::setDesignValue(bool value) { select(value); }

void OptionButton::setValue(bool value)
{
    const bool raise = value && !value_;
    select(value);
    if (raise)
        emit clicked();
}

void OptionButton::activate()
{
    select(true);
    emit clicked();
}

void OptionButton::setCaption(const QString& caption) { caption_ = caption; update(); }

// As a screen reader's press: the option already chosen stays as it is.
void OptionButton::keyPressEvent(QKeyEvent* event)
{
    if (pressKey(*event))
        setValue(true);
    else
        Control::keyPressEvent(event);
}

void OptionButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    const QRect area = paintInDesignPixels(painter, twips(), size());
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(indicatorRect(area)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawEllipse(circle);
    if (value_) {
        painter.setBrush(Qt::black);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(circle.center(), 2.5, 2.5);
    }
    painter.setBrush(Qt::NoBrush);
    drawCaption(painter, *this, area, foreColor(), caption_);
    drawFocus(painter, *this, area, foreColor());
}

Frame::Frame(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setBackColor(palette().color(QPalette::Window));
}

void Frame::setCaption(const QString& caption) { caption_ = caption; update(); }
void Frame::setBorder(bool border) { border_ = border; update(); }

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    if (!border_)
        return;
    const QRect area = paintInDesignPixels(painter, twips(), size());
    const int top = caption_.isEmpty() ? 1 : fontMetrics().height() / 2;
    const QRect r = area.adjusted(0, top, -2, -2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(r);
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(r.translated(1, 1));
    if (!caption_.isEmpty()) {
        const QRect text(8, 0, fontMetrics().horizontalAdvance(caption_) + 4, fontMetrics().height());
        painter.fillRect(text, backColor());
        painter.setPen(foreColor());
        painter.drawText(text, Qt::AlignCenter, caption_);
    }
}

} // namespace forms
