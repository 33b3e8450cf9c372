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

double AnimationClock::frameRate() const
{
    const double reported = refreshRate_ ? refreshRate_() : 0;
    return std::min(reported > 0 ? reported : DefaultRate, MaxRate);
}

// Rounded up, so that a frame never comes sooner than the display shows one.
int AnimationClock::frameInterval() const { return static_cast<int>(std::ceil(1000.0 / frameRate())); }

void AnimationClock::animate(QWidget& screen, Frame frame)
{
    animations_.push_back({&screen, std::move(frame)});
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
            if (a.screen.data() == watched)
                a.fresh = true;
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

namespace {
bool shown(const QWidget& screen) { return screen.isVisible() && !screen.isMinimized(); }
} // namespace

void AnimationClock::startOrStop()
{
    const bool wanted = std::any_of(animations_.begin(), animations_.end(),
                                    [](const Animation& a) { return a.screen && shown(*a.screen); });
    if (wanted == timer_.isActive())
        return;
    if (wanted) {
        timer_.start(frameInterval());
        sinceTick_.start();
    } else {
        timer_.stop();
    }
}

void AnimationClock::tick()
{
    const double seconds = sinceTick_.restart() / 1000.0;
    // Gathered first: a frame may unload its own screen.
    std::vector<std::pair<Frame, double>> due;
    for (Animation& a : animations_)
        if (a.screen && shown(*a.screen)) {
            due.emplace_back(a.frame, a.fresh ? 0.0 : seconds);
            a.fresh = false;
        }
    for (const auto& [frame, elapsed] : due)
        frame(elapsed);
}

} // namespace forms
