#pragma once
#include <QTimer>
#include <functional>

namespace forms {

// A timer owned by a screen, ticking on the user-interface thread while enabled.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* owner, int intervalMs = 0, bool enabled = false);
    int Interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    bool Enabled() const { return timer_.isActive(); }
    void setEnabled(bool enabled);

    std::function<void()> Tick;

private:
    QTimer timer_{this}; // a child, so that unloading the screen finds and stops it
};

} // namespace forms
