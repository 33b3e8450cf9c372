#pragma once
// The one clock every moving picture of the program runs on. It ticks at the
// pace the shown animations ask for, never faster than the display refreshes
// (60 times a second where the rate is unknown), and only while one of the
// screens that animate is shown: a hidden, minimised or unloaded screen costs
// nothing. Each screen repaints only what moved.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace forms {

class AnimationClock : public QObject {
    Q_OBJECT
public:
    static constexpr double DefaultRate = 60; // frames a second where the display does not say

    // refreshRate: the display's refresh rate in hertz, 0 or less when unknown.
    explicit AnimationClock(std::function<double()> refreshRate = {});

    // Calls frame(seconds since its previous frame) `framesPerSecond` times a
    // second, or as often as the display refreshes if that is less, while
    // `screen` is shown, until `screen` is destroyed. The first frame after a
    // screen appears gets 0 seconds, so a moving picture resumes where it stopped.
    using Frame = std::function<void(double seconds)>;
    void animate(QWidget& screen, double framesPerSecond, Frame frame);

    bool isRunning() const { return timer_.isActive(); }
    // The display's refresh rate, or DefaultRate where it is not known.
    double displayRate() const;
    // The frames a second the clock runs at now: the fastest shown animation's
    // pace, but no faster than the display.
    double frameRate() const;
    // Milliseconds between two ticks now.
    int frameInterval() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Animation {
        QPointer<QWidget> screen;
        double framesPerSecond;
        Frame frame;
        bool fresh = true;  // no frame since it was last shown
        double waited = 0;  // seconds since its last frame
    };
    void tick();
    void startOrStop();

    std::function<double()> refreshRate_;
    std::vector<Animation> animations_;
    QTimer timer_{this};
    QElapsedTimer sinceTick_;
};

} // namespace forms
