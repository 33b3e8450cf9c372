#pragma once
// Making sure the program can show its windows before it tries: Qt ends a
// start it cannot make with an abort and a misleading hint about reinstalling,
// where a teacher needs one plain line and an ordinary failure status.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

namespace forms {

// The settings that decide where Qt shows its windows.
struct DisplaySettings {
    QString display;        // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY: a socket name in runtimeDir, or a full path
    QString qtPlatform;     // QT_QPA_PLATFORM
    QString runtimeDir;     // XDG_RUNTIME_DIR

    static DisplaySettings fromEnvironment();
    // "display :0", "Wayland display wayland-0", for messages.
    QString describe() const;
};

// Why the program could not show its windows, or empty when a display looks
// reachable: nothing set, a DISPLAY that is no display name, a local X display
// or a Wayland display whose socket does not exist. What only a connection
// can tell (a remote server, a screen number) is left to PlatformStartGuard.
QString displayProblem(const DisplaySettings& settings, const std::function<bool(const QString& path)>& exists);

// While it lives (around the construction of the application object), a
// fatal message, with which Qt ends a platform start that failed, goes to
// `fail` as one line naming the display; `fail` is expected not to return.
// The messages Qt writes meanwhile are held back and passed on when the guard
// ends, so that a failed start says nothing but the program's own line.
class PlatformStartGuard {
public:
    PlatformStartGuard(const DisplaySettings& settings, std::function<void(const QString& problem)> fail);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    // What becomes of one message while the guard lives.
    void take(QtMsgType type, const QMessageLogContext& context, const QString& message);

private:
    struct Held {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString message;
    };

    QString display_;
    std::function<void(const QString&)> fail_;
    QtMessageHandler previous_;
    std::vector<Held> held_;
    bool failed_ = false;
};

} // namespace forms
