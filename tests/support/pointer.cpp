#include "support/pointer.h"

#include <QTest>

namespace pointer {

bool showAndWait(QWidget& screen)
{
    screen.show();
    return QTest::qWaitForWindowExposed(&screen);
}

void drag(QWidget& control, QPoint to, Qt::MouseButton button)
{
    QWidget* window = control.window();
    const QPoint from = control.mapTo(window, control.rect().center());
    QTest::mousePress(window, button, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(window, from + (to - from) * step / 4);
    QTest::mouseRelease(window, button, {}, to);
}

void click(QWidget& control, Qt::MouseButton button)
{
    QWidget* window = control.window();
    const QPoint at = control.mapTo(window, control.rect().center());
    QTest::mousePress(window, button, {}, at);
    QTest::mouseRelease(window, button, {}, at);
}

void hover(QWidget& widget, QPoint at)
{
    QTest::mouseMove(widget.window(), widget.mapTo(widget.window(), at));
}

} // namespace pointer
