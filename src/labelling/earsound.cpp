// The Ear: a tuning fork vibrates at the left, a sound wave of vertical lines
// marks its compressions and rarefactions, and a section of the ear stands at
// the right. Seven answers to place.
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"
#include "forms/screens.h"

namespace labelling {

namespace {

// The sound wave: twenty light grey lines from X 1320 to 5880, repeating
// every 960 twips. Heavy lines mark compressions, with the thin lines crowded
// 120 twips either side; dashed lines mark rarefactions, 360 twips clear of
// their neighbours, as a longitudinal wave's layers are.
struct WavePen {
    int width;
    Qt::PenStyle style;
    std::vector<float> xs;
    std::vector<int> lines; // lines(k) of each X, in X order
};
const QColor WaveGrey(192, 192, 192);
constexpr float WaveTop = 2280, WaveBottom = 4920;
const WavePen WavePens[] = {
    {6, Qt::SolidLine, {2040, 3000, 3960, 4920, 5880}, {17, 20, 7, 10, 14}},
    {1, Qt::DashLine,  {1560, 2520, 3480, 4440, 5400}, {1, 19, 6, 9, 13}},
    {2, Qt::SolidLine, {1320, 1920, 2160, 2880, 3120, 3840, 4080, 4800, 5040, 5760},
                       {26, 18, 22, 21, 23, 8, 12, 11, 16, 15}},
};
// The wave's first line lies above the answer labels, like its caption.
constexpr int WaveLineAboveAnswers = 26;

std::vector<LineData> lines()
{
    std::vector<LineData> all;
    for (const WavePen& pen : WavePens)
        for (std::size_t n = 0; n < pen.xs.size(); ++n)
            all.push_back({pen.lines[n], pen.xs[n], WaveTop, pen.xs[n], WaveBottom, WaveGrey, pen.width,
                           pen.style, pen.lines[n] == WaveLineAboveAnswers});
    for (const TargetLeader& l : earLeaders())
        all.push_back(leaderLine(l.line, l.targetX, l.targetY, l.partX, l.partY, 3));
    return all;
}

ActivityData earSound()
{
    ActivityData d;
    d.screen = "earsound";
    d.checks.partsDrawn = false; // its lines include the wave's, which lead to no target
    d.caption = "The Ear"; // the screen's own name for its diagram, under the topic "Sound"
    d.background = QColor(9, 63, 137);
    d.answerPoints = 12;
    //         answer            target        size        home
    d.items = {{"tuning fork",    120, 600,    1965, 375,  3000, 6840, "the two-pronged metal object at the left, vibrating"},
               {"rarefaction",    1545, 1200,  1965, 375,  1920, 7320, "one of the dashed lines of the sound wave, where the air is spread out"},
               {"compression",    3945, 1200,  1965, 375,  6240, 7320, "one of the heavy lines of the sound wave, where the air is squashed together"},
               {"ear bones",      7185, 1200,  1965, 375,  4080, 7320, "the three tiny linked bones in the middle ear"},
               {"auditory nerve", 9705, 1200,  1965, 375,  7320, 6840, "the bundle running from the inner ear towards the brain"},
               {"eardrum",        6705, 6000,  1965, 375,  8400, 7320, "the thin membrane across the inner end of the ear canal"},
               {"cochlea",        8985, 6000,  1965, 375,  5160, 6840, "the snail-shaped coil in the inner ear"}};
    d.pictures = {{"Images\\ear.jpg", 5760, 1560, 6000, 4500, false, "Section through a human ear: the outer ear and the ear canal, a thin membrane across its end, three tiny bones in the middle ear, a snail-shaped coil in the inner ear and a nerve leading away from it"}};
    const forms::LabelLook caption{"Arial", 24, false, forms::Yellow, forms::Black, false, false,
                                   forms::Label::Align::Center};
    d.texts = {{"instruction", -1, "Label the diagram below.", {2640, 240, 5145, 825}, timesText(24)},
               {"waveCaption", -1, "sound wave", {1320, 5160, 4425, 825}, caption, true}};
    d.scoreLine = {"scoreLine", {8280, 240, 3300, 540}, 24, forms::Label::Align::Left, true};
    d.lines = lines();
    return d;
}

} // namespace

const std::vector<TargetLeader>& earLeaders()
{
    // Yellow, 3 pixels wide, each from a target to the thing its answer names.
    static const std::vector<TargetLeader> all{
        // target                lines(k)  at the target   at the part
        {0 /* tuning fork */,    5,        720, 960,       720, 2160},   // the top of the fork's picture
        {1 /* rarefaction */,    24,       2520, 1560,     2520, 2280},  // a dashed wave line
        {2 /* compression */,    25,       4920, 1560,     4920, 2280},  // a heavy wave line
        {3 /* ear bones */,      3,        8160, 1560,     8160, 3000},
        {4 /* auditory nerve */, 2,        10680, 1560,    10680, 3840},
        {5 /* eardrum */,        4,        7680, 6000,     7680, 3720},
        {6 /* cochlea */,        0,        9960, 6000,     9960, 5280},
    };
    return all;
}

const ActivityData& earSoundActivity()
{
    static const ActivityData data = earSound();
    return data;
}

EarSound::EarSound(forms::Screens& screens, std::shared_ptr<TuningFork> fork)
    : LabellingActivity(screens, earSoundActivity()),
      forkPicture(*new forms::Image(this, QStringLiteral("forkPicture"))),
      fork_(std::move(fork))
{
    forkPicture.place(ForkPictureArea.left, ForkPictureArea.top, ForkPictureArea.width, ForkPictureArea.height);
    forkPicture.lower(); // a picture: beneath the lines, targets and labels
    forkPicture.setAccessibleName(QStringLiteral("A two-pronged metal object, its prongs vibrating"));
    forkPicture.setAccessibleDescription(forkPicture.accessibleName());
    // Shown from the start, not from the first tick.
    showFork(fork_->frameNow());
    screens.animationClock().animate(*this, ForkStepsPerSecond, [this](double) { stepFork(); });
}

void EarSound::stepFork() { showFork(fork_->tick()); }

// The frame at the resolution of the new scale.
void EarSound::rescaled(QSizeF displayBefore, QSizeF displayNow)
{
    LabellingActivity::rescaled(displayBefore, displayNow);
    showFork(fork_->frameNow());
}

// A frame is decoded the first time it is shown and kept; from then on a tick
// only swaps in a picture already in memory, so a drag never waits on a file.
void EarSound::showFork(int frame)
{
    const QPixmap& picture = fork_->frame(frame, scale());
    if (!picture.isNull())
        forkPicture.setPicture(picture);
    // A frame covers the control: nothing beneath it need be painted.
    forkPicture.setAttribute(Qt::WA_OpaquePaintEvent, !forkPicture.picture().isNull());
}

LabellingTopic soundTopic()
{
    LabellingTopic made = labellingTopic(
        {.title = QStringLiteral("Sound"),
         .guide = {"Drag and drop labelling of a diagram showing how sound waves travel into the ear.",
                   "When all the labels are in position, the scores can be checked.",
                   "Longitudinal waves, such as sound waves, can be explained using a slinky."}},
        earSoundActivity());
    for (int frame = 0; frame < ForkFrames; ++frame)
        made.topic.pictures.push_back(forkFrameFile(frame));
    made.topic.addScreens = [](forms::Screens& screens) {
        // The fork's step and frames outlive each opening of the screen.
        screens.add(earSoundActivity().screen, [fork = std::make_shared<TuningFork>()](forms::Screens& s) {
            return std::make_unique<EarSound>(s, fork);
        });
    };
    return made;
}

} // namespace labelling
