#include "forms/animationclock.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms {

AnimationClock::AnimationClock(std::function<double()> refreshRate) : refreshRate_(std::move(refreshRate))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationClock::tick);
}

namespace {
bool shown(const QWidget& screen) { return screen.isVisible() && !screen.isMinimized(); }
} // namespace

double AnimationClock::displayRate() const
{
    const double reported = refreshRate_ ? refreshRate_() : 0;
    return reported > 0 ? reported : DefaultRate;
}

double AnimationClock::frameRate() const
{
    double fastest = 0;
    for (const Animation& a : animations_)
        if (a.screen && shown(*a.screen))
            fastest = std::max(fastest, a.framesPerSecond);
    return std::min(fastest > 0 ? fastest : displayRate(), displayRate());
}

// Rounded up, so that a frame never comes sooner than the display shows one.
int AnimationClock::frameInterval() const { return static_cast<int>(std::ceil(1000.0 / frameRate())); }

void AnimationClock::animate(QWidget& screen, double framesPerSecond, Frame frame)
{
    animations_.push_back({&screen, framesPerSecond, std::move(frame)});
    screen.installEventFilter(this);
    connect(&screen, &QObject::destroyed, this, [this] {
        std::erase_if(animations_, [](const Animation& a) { return a.screen.isNull(); });
        startOrStop();
    });
    startOrStop();
}

bool AnimationClock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        for (Animation& a : animations_)
            if (a.screen.data() == watched) {
                a.fresh = true;
                a.waited = 0;
            }
        startOrStop();
        break;
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        startOrStop();
        break;
    default:
        break;
    }
    return false;
}

void AnimationClock::startOrStop()
{
    const bool wanted = std::any_of(animations_.begin(), animations_.end(),
                                    [](const Animation& a) { return a.screen && shown(*a.screen); });
    if (!wanted) {
        timer_.stop();
        return;
    }
    // A screen shown or hidden may change the pace.
    if (!timer_.isActive()) {
        timer_.start(frameInterval());
        sinceTick_.start();
    } else if (timer_.interval() != frameInterval()) {
        timer_.setInterval(frameInterval());
    }
}

void AnimationClock::tick()
{
    const double seconds = sinceTick_.restart() / 1000.0;
    // Gathered first: a frame may unload its own screen.
    std::vector<std::pair<Frame, double>> due;
    const double tick = frameInterval() / 1000.0;
    for (Animation& a : animations_) {
        if (!a.screen || !shown(*a.screen))
            continue;
        a.waited += seconds;
        // A slower animation than the clock waits for its own pace, give or
        // take half a tick.
        if (!a.fresh && a.waited + tick / 2 < 1 / a.framesPerSecond)
            continue;
        due.emplace_back(a.frame, a.fresh ? 0.0 : a.waited);
        a.fresh = false;
        a.waited = 0;
    }
    for (const auto& [frame, elapsed] : due)
        frame(elapsed);
}

} // namespace forms
