#pragma once
// The vibrating tuning fork of the ear screen: eight steps a cycle over five
// frame pictures, showing frames 1 2 3 4 3 2 1 0, the prongs spread widest in
// frame 4. The step and the decoded frames belong to the screen's
// registration, not to the screen object, so a screen opened again goes on
// from the step where it stopped and never reads a frame file twice.

#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace labelling {

inline constexpr int ForkSteps = 8;
inline constexpr int ForkFrames = 5;

struct ForkTick {
    int step;  // the new forkstep, 0 to 7
    int frame; // the frame it shows, 0 to 4
};

// The frame step `forkstep` shows: steps 0 to 4 show their own frame, steps
// 5, 6 and 7 show 3, 2 and 1.
int forkFrameAt(int forkstep);
// The step after `forkstep` and its frame: the steps count up and wrap from 7 to 0.
ForkTick nextForkTick(int forkstep);

// "Images\\tuning3.bmp": where frame 3 is read from.
QString forkFrameFile(int frame);

class TuningFork {
public:
    using Loader = std::function<QPixmap(const QString& designPath, float scale)>;
    // The loader reads one picture file for screens drawn at `scale`; it
    // returns a null pixmap on failure.
    explicit TuningFork(Loader load);
    TuningFork();

    int forkstep() const { return forkstep_; }
    // The frame the current step shows: what stands there before the next tick.
    int frameNow() const { return forkFrameAt(forkstep_); }
    // Moves on one step; returns the frame number to show.
    int tick();
    // The frame's picture for screens drawn at `scale`, read on first use and
    // kept while the scale stays; a new scale reads the frames again, at the
    // resolution that suits it. A file that cannot be read is tried once for
    // a scale and gives a null pixmap from then on.
    const QPixmap& frame(int number, float scale = 1.0f);

private:
    Loader load_;
    int forkstep_ = 0;
    std::array<std::optional<QPixmap>, ForkFrames> frames_;
    float framesScale_ = 1.0f; // the scale the kept frames were read for
};

} // namespace labelling
