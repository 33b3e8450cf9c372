#include "forms/timer.h"

namespace forms {

Timer::Timer(QObject* owner, int intervalMs, bool enabled) : QObject(owner)
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { if (Tick) Tick(); });
    setEnabled(enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled) timer_.start();
    else timer_.stop();
}

} // namespace forms
