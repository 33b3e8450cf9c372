#include "forms/label.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

namespace forms {

namespace {
constexpr int BorderPixels = 2;

int textFlags(Label::Align align)
{
    const int horizontal = align == Label::Align::Center ? Qt::AlignHCenter
                         : align == Label::Align::Right  ? Qt::AlignRight
                                                         : Qt::AlignLeft;
    return horizontal | Qt::AlignTop | Qt::TextWordWrap;
}
} // namespace

Label::Label(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setForeColor(QColor(0, 0, 0));
    setBackColor(QColor(255, 255, 255));
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    fitToText();
    update();
}

void Label::setOpaque(bool opaque) { opaque_ = opaque; update(); }
void Label::setBorder(bool border) { border_ = border; fitToText(); update(); }
void Label::setAlignment(Align align) { align_ = align; update(); }
void Label::setAutoSize(bool autoSize) { autoSize_ = autoSize; fitToText(); }

void Label::copyFrom(const Label& other)
{
    setFont(other.font());
    setForeColor(other.foreColor());
    setBackColor(other.backColor());
    opaque_ = other.opaque_;
    border_ = other.border_;
    align_ = other.align_;
    autoSize_ = other.autoSize_;
    place(other.left(), other.top(), other.twipWidth(), other.twipHeight());
    setCaption(other.caption_);
}

void Label::fitToText()
{
    if (!autoSize_)
        return;
    // Measured in design pixels, so the box has the same twips at every scale.
    const QFontMetrics metrics(font());
    const int inset = border_ ? 2 * BorderPixels : 0;
    const QSize size = metrics.size(0, caption_.isEmpty() ? QStringLiteral(" ") : caption_);
    setTwipWidth(designTwips(size.width() + inset));
    setTwipHeight(designTwips(size.height() + inset));
}

void Label::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToText();
    Control::changeEvent(event);
}

// Only focus moved by the keyboard is drawn: a window taking the focus for
// its first label marks nothing on the board.
void Label::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    update();
    Control::focusInEvent(event);
}

void Label::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    update();
    Control::focusOutEvent(event);
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), backColor());
    const QRect area = paintInDesignPixels(painter, twips(), size());
    QRect textRect = area;
    if (border_) {
        // A sunken edge: dark above and to the left, light below and to the right,
        // so an empty box shows on dark and light backgrounds alike.
        const QRect r = area.adjusted(0, 0, -1, -1);
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(QColor(0, 0, 0));
        painter.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
        painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
        painter.setPen(QColor(192, 192, 192));
        painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
        painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
        textRect.adjust(BorderPixels, BorderPixels, -BorderPixels, -BorderPixels);
    }
    painter.setPen(foreColor());
    painter.setFont(font());
    painter.drawText(textRect, textFlags(align_), caption_);
    // A label that takes the keyboard shows when it has it.
    if (hasFocus() && keyboardFocus_) {
        painter.setPen(QPen(foreColor(), 1, Qt::DotLine));
        painter.drawRect(area.adjusted(3, 3, -4, -4));
    }
}

} // namespace forms
