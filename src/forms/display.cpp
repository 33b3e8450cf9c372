#include "forms/display.h"

#include <QRegularExpression>

namespace forms {

QString displayProblem(const QString& display, const QString& waylandDisplay, const QString& qtPlatform,
                       const std::function<bool(const QString& path)>& exists)
{
    if (!qtPlatform.isEmpty() || !waylandDisplay.isEmpty())
        return {};
    if (display.isEmpty())
        return QStringLiteral("no display to show the program on (DISPLAY is not set)");
    // ":0", ":99.0", "unix:1": a display on this machine, reached through its socket.
    static const QRegularExpression local(QStringLiteral("^(unix)?:(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch m = local.match(display);
    if (m.hasMatch() && !exists(QStringLiteral("/tmp/.X11-unix/X") + m.captured(2)))
        return QStringLiteral("no X server answers on display %1").arg(display);
    return {};
}

} // namespace forms
