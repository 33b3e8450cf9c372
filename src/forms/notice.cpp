#include "forms/notice.h"
#include "forms/accessible.h"
#include "forms/screen.h"

#include <QFontMetrics>
#include <QPainter>

namespace forms {

namespace {
constexpr int PaddingPixels = 8;
const QColor NoticeText{255, 255, 0};
const QColor NoticeBack{0, 0, 0};
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
    const int textWidth = toPixels(NoticeWidth, screen.scale()) - 2 * PaddingPixels;
    const int textHeight = QFontMetrics(font()).boundingRect(QRect(0, 0, textWidth, 10000),
                                                             Qt::AlignCenter | Qt::TextWordWrap, caption_).height();
    const float height = toTwips(textHeight + 2 * PaddingPixels, screen.scale());
    place((screen.twipWidth() - NoticeWidth) / 2, NoticeBottom - height, NoticeWidth, height);
    lifetime.setTimerType(Qt::PreciseTimer);
    lifetime.setSingleShot(true);
    connect(&lifetime, &QTimer::timeout, this, &Notice::close);
    lifetime.start(LastingMs);
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

void Notice::close()
{
    lifetime.stop();
    hide();
    deleteLater();
}

void Notice::activate() { close(); }

void Notice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    painter.setPen(QPen(foreColor(), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setFont(font());
    painter.drawText(rect().adjusted(PaddingPixels, PaddingPixels, -PaddingPixels, -PaddingPixels),
                     Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

} // namespace forms
