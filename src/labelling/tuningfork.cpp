#include "labelling/tuningfork.h"
#include "forms/pictures.h"

namespace labelling {

int forkFrameAt(int forkstep) { return forkstep < ForkFrames ? forkstep : ForkSteps - forkstep; }

ForkTick nextForkTick(int forkstep)
{
    const int step = (forkstep + 1) % ForkSteps;
    return {step, forkFrameAt(step)};
}

QString forkFrameFile(int frame)
{
    return QStringLiteral("Images\\tuning") + QString::number(frame) + QStringLiteral(".bmp");
}

TuningFork::TuningFork(Loader load) : load_(std::move(load)) {}
TuningFork::TuningFork() : TuningFork(forms::loadPicture) {}

int TuningFork::tick()
{
    const ForkTick next = nextForkTick(forkstep_);
    forkstep_ = next.step;
    return next.frame;
}

const QPixmap& TuningFork::frame(int number, float scale)
{
    if (scale != framesScale_) {
        frames_ = {};
        framesScale_ = scale;
    }
    std::optional<QPixmap>& slot = frames_.at(number);
    if (!slot)
        slot = load_(forkFrameFile(number), scale);
    return *slot;
}

} // namespace labelling
