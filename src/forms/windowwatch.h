#pragma once
// A screen's window destroyed from outside the program (by a tool, or a window
// manager that crashed) is treated as closed: the screen is unloaded, and the
// program ends if no window is left, rather than run on unseen.

#include <QAbstractNativeEventFilter>
#include <QSet>

namespace forms {

class Screens;

class WindowWatch : public QAbstractNativeEventFilter {
public:
    // The X11 protocol's DestroyNotify event as the xcb platform hands it on:
    // a 32-byte record with the event code in its first byte (the top bit set
    // when another client sent it) and the destroyed window in bytes 8 to 11.
    static constexpr quint8 DestroyNotify = 17;
    struct XDestroyEvent {
        quint8 responseType;
        quint8 pad0;
        quint16 sequence;
        quint32 event;
        quint32 window;
        quint8 pad1[20];
    };

    explicit WindowWatch(Screens& screens);
    ~WindowWatch() override;
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void windowDestroyed(quint32 window);
    // The requests Qt still makes of a window that is gone fail; their
    // errors say nothing the teacher needs, so they are not passed on.
    bool aboutGoneWindow(const quint8* error) const;

    Screens& screens_;
    QSet<quint32> gone_;
};

} // namespace forms
