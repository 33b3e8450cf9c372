#pragma once
// The Ear: how a sound travels from a vibrating tuning fork through the air
// into the ear. A labelling screen whose one true departure is the animated
// fork, stepped on the program's animation clock while the screen is shown.

#include "activity/topic.h"
#include "forms/picturecontrols.h"
#include "labelling/activity.h"

#include <memory>
#include <vector>

namespace labelling {

class TuningFork;

// The fork's steps a second: a cycle of eight steps about four times a
// second, plainly vibrating, for little work.
inline constexpr double ForkStepsPerSecond = 30;

// Where the fork's frames are shown, each at its own size.
inline constexpr forms::TwipRect ForkPictureArea{120, 2160, 1200, 4800};

// A leader line, drawn from target `target` to the part its answer names.
struct TargetLeader {
    int target;
    int line; // lines(line)
    float targetX, targetY;
    float partX, partY;
};

const ActivityData& earSoundActivity();
LabellingTopic soundTopic();
// The leader lines, one a target, in target order. The picture generator
// draws each part where its line ends.
const std::vector<TargetLeader>& earLeaders();

class EarSound : public LabellingActivity {
    Q_OBJECT
public:
    // The fork's step and frames outlive this screen object.
    EarSound(forms::Screens& screens, std::shared_ptr<TuningFork> fork);

    // One step of the fork: the next frame picture, repainting only the fork.
    void stepFork();
    void rescaled(QSizeF displayBefore, QSizeF displayNow) override;

    const TuningFork& fork() const { return *fork_; }

    forms::Image& forkPicture;

private:
    void showFork(int frame);

    std::shared_ptr<TuningFork> fork_;
};

} // namespace labelling
