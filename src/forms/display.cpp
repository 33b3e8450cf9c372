#include "forms/display.h"

#include <QRegularExpression>

namespace forms {

namespace {
PlatformStartGuard* activeGuard = nullptr;

void guardedHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (activeGuard)
        activeGuard->take(type, context, message);
}
} // namespace

DisplaySettings DisplaySettings::fromEnvironment()
{
    return {qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("XDG_RUNTIME_DIR")};
}

QString DisplaySettings::describe() const
{
    if (!display.isEmpty())
        return QStringLiteral("display %1").arg(display);
    if (!waylandDisplay.isEmpty())
        return QStringLiteral("Wayland display %1").arg(waylandDisplay);
    return QStringLiteral("the display");
}

QString displayProblem(const DisplaySettings& settings, const std::function<bool(const QString& path)>& exists)
{
    if (!settings.qtPlatform.isEmpty())
        return {};
    if (settings.display.isEmpty()) {
        if (settings.waylandDisplay.isEmpty())
            return QStringLiteral("no display to show the program on (DISPLAY is not set)");
        const QString socket = settings.waylandDisplay.startsWith(QLatin1Char('/'))
                                   ? settings.waylandDisplay
                                   : settings.runtimeDir + QLatin1Char('/') + settings.waylandDisplay;
        // Without a runtime folder only the start itself can tell.
        if ((settings.waylandDisplay.startsWith(QLatin1Char('/')) || !settings.runtimeDir.isEmpty()) && !exists(socket))
            return QStringLiteral("no Wayland compositor answers on %1 and DISPLAY is not set").arg(settings.waylandDisplay);
        return {};
    }
    // [host]:display[.screen]; an empty host or "unix" is this machine, reached through its socket.
    static const QRegularExpression name(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch m = name.match(settings.display);
    if (!m.hasMatch())
        return QStringLiteral("DISPLAY=%1 is not a display name (such as :0)").arg(settings.display);
    const QString host = m.captured(1);
    if ((host.isEmpty() || host == QLatin1String("unix")) && !exists(QStringLiteral("/tmp/.X11-unix/X") + m.captured(2)))
        return QStringLiteral("no X server answers on display %1").arg(settings.display);
    return {};
}

PlatformStartGuard::PlatformStartGuard(const DisplaySettings& settings, std::function<void(const QString&)> fail)
    : display_(settings.describe()), fail_(std::move(fail))
{
    activeGuard = this;
    previous_ = qInstallMessageHandler(guardedHandler);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(previous_);
    activeGuard = nullptr;
    if (failed_)
        return; // they belong to a start that did not happen
    for (const Held& h : held_) {
        const QMessageLogContext context(h.file.constData(), h.line, h.function.constData(), h.category.constData());
        if (previous_)
            previous_(h.type, context, h.message);
        else
            qt_message_output(h.type, context, h.message);
    }
}

void PlatformStartGuard::take(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        failed_ = true;
        fail_(QStringLiteral("the windows cannot be shown on %1 (no server answers there, or it refused the program)")
                  .arg(display_));
        return;
    }
    held_.push_back({type, QByteArray(context.file), QByteArray(context.function), QByteArray(context.category),
                     context.line, message});
}

} // namespace forms
