#include "forms/notice.h"
#include "forms/accessible.h"
#include "forms/screen.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace forms {

namespace {
constexpr int PaddingPixels = 8;
const QColor NoticeText{255, 255, 0};
const QColor NoticeBack{0, 0, 0};
// Kept on the screen itself, so that every notice posted on it, by any part
// of the program, stands in the one place the screen chose.
constexpr const char* AreaProperty = "forms.noticeArea";

TwipRect areaOn(const Screen& screen)
{
    const QVariant chosen = screen.property(AreaProperty);
    if (chosen.canConvert<QRectF>()) {
        const QRectF r = chosen.toRectF();
        return {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
    }
    return {(screen.twipWidth() - Notice::NoticeWidth) / 2, 0, Notice::NoticeWidth, Notice::NoticeBottom};
}

// What the pupil or teacher does next: a press, a tap or a key that types or
// commands. A modifier held down alone is not yet anything done.
bool isAnAction(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    case QEvent::KeyPress:
        switch (static_cast<const QKeyEvent&>(event).key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_unknown:
            return false;
        default:
            return true;
        }
    default:
        return false;
    }
}
} // namespace

Notice::Notice(Screen& screen, const QString& text)
    : Control(&screen, QStringLiteral("Notice")), lifetime(*new QTimer(this)), caption_(text)
{
    setDesignFont(QStringLiteral("Arial"), 12, true);
    setForeColor(NoticeText);
    setBackColor(NoticeBack);
    // Read out whole as it appears, wherever the screen reader is.
    setAccessibleRole(*this, QAccessible::AlertMessage);
    setAccessibleName(caption_);
    // Measured and drawn in design pixels, as every control is: the same
    // lines, and the same share of the screen, at every scale.
    const TwipRect area = areaOn(screen);
    const int textWidth = designPixels(area.width) - 2 * PaddingPixels;
    const int textHeight = QFontMetrics(font()).boundingRect(QRect(0, 0, textWidth, 10000),
                                                             Qt::AlignCenter | Qt::TextWordWrap, caption_).height();
    const float height = designTwips(textHeight + 2 * PaddingPixels);
    place(area.left, std::max(0.0f, area.top + area.height - height), area.width, height);
    lifetime.setTimerType(Qt::PreciseTimer);
    lifetime.setSingleShot(true);
    connect(&lifetime, &QTimer::timeout, this, &Notice::close);
    lifetime.start(LastingMs);
    // Only what comes after the action that posted it ends it: that action's
    // own key or press may still be on its way through the screen.
    QMetaObject::invokeMethod(this, &Notice::watchNextAction, Qt::QueuedConnection);
}

Notice& Notice::post(Screen& screen, const QString& text)
{
    if (Notice* old = on(screen))
        old->close();
    auto* notice = new Notice(screen, text);
    notice->show();
    notice->raise();
    announceAlert(*notice);
    return *notice;
}

Notice* Notice::on(const Screen& screen)
{
    for (Notice* notice : screen.findChildren<Notice*>(Qt::FindDirectChildrenOnly))
        if (notice->isVisible())
            return notice;
    return nullptr;
}

void Notice::setArea(Screen& screen, const TwipRect& area)
{
    screen.setProperty(AreaProperty, QRectF(area.left, area.top, area.width, area.height));
}

void Notice::watchNextAction()
{
    if (!closed_)
        qApp->installEventFilter(this);
}

// Seen before the event reaches its control, which still does what it was
// asked: a press on a command both ends the notice and runs the command.
bool Notice::eventFilter(QObject* watched, QEvent* event)
{
    if (isAnAction(*event) && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window())
        close();
    return false;
}

void Notice::close()
{
    if (std::exchange(closed_, true))
        return;
    qApp->removeEventFilter(this);
    lifetime.stop();
    hide();
    deleteLater();
}

void Notice::activate() { close(); }

void Notice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = paintInDesignPixels(painter, twips(), size());
    painter.fillRect(area, backColor());
    painter.setPen(QPen(foreColor(), 2));
    painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    painter.setFont(font());
    painter.drawText(area.adjusted(PaddingPixels, PaddingPixels, -PaddingPixels, -PaddingPixels),
                     Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

} // namespace forms
