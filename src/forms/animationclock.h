#pragma once
// The one clock every moving picture of the program runs on. It ticks once a
// display frame (never faster than the display refreshes, 60 times a second
// where the rate is unknown, and never more than 60) and only while one of the
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
    static constexpr double MaxRate = 60;     // nothing in the program moves faster than this needs

    // refreshRate: the display's refresh rate in hertz, 0 or less when unknown.
    explicit AnimationClock(std::function<double()> refreshRate = {});

    // Calls frame(seconds since its previous frame) once a display frame while
    // `screen` is shown, until `screen` is destroyed. The first frame after a
    // screen appears gets 0 seconds, so a moving picture resumes where it stopped.
    using Frame = std::function<void(double seconds)>;
    void animate(QWidget& screen, Frame frame);

    bool isRunning() const { return timer_.isActive(); }
    // Milliseconds between two frames.
    int frameInterval() const;
    // The frames a second the clock runs at.
    double frameRate() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Animation {
        QPointer<QWidget> screen;
        Frame frame;
        bool fresh = true; // no frame since it was last shown
    };
    void tick();
    void startOrStop();

    std::function<double()> refreshRate_;
    std::vector<Animation> animations_;
    QTimer timer_{this};
    QElapsedTimer sinceTick_;
};

} // namespace forms
