#include "forms/windowwatch.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <cstring>

namespace forms {

namespace {
// X11 error records: code 0 in the first byte, the error in the second, the
// resource it concerns in bytes 4 to 7.
constexpr quint8 BadWindow = 3, BadDrawable = 9;
} // namespace

WindowWatch::WindowWatch(Screens& screens) : screens_(screens)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installNativeEventFilter(this);
}

WindowWatch::~WindowWatch()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

bool WindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto* bytes = static_cast<const quint8*>(message);
    const quint8 code = bytes[0] & 0x7f;
    if (code == 0)
        return aboutGoneWindow(bytes);
    if (code == DestroyNotify) {
        XDestroyEvent event;
        std::memcpy(&event, message, sizeof event);
        windowDestroyed(event.window);
    }
    return false;
}

void WindowWatch::windowDestroyed(quint32 window)
{
    for (const QString& name : screens_.loadedNames()) {
        Screen* screen = screens_.find(name);
        if (!screen || !screen->testAttribute(Qt::WA_WState_Created) || screen->internalWinId() != window)
            continue;
        gone_.insert(window);
        // Unloaded once the platform has finished with the event, as a close
        // from the window's frame would be.
        QPointer<Screen> which(screen);
        QTimer::singleShot(0, screen, [this, which, name] {
            if (which && screens_.find(name) == which)
                screens_.closedByUser(name);
        });
        return;
    }
}

bool WindowWatch::aboutGoneWindow(const quint8* error) const
{
    quint32 resource = 0;
    std::memcpy(&resource, error + 4, sizeof resource);
    return (error[1] == BadWindow || error[1] == BadDrawable) && gone_.contains(resource);
}

} // namespace forms
