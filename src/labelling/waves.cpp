// Waves: a transverse wave drawn on axes whose horizontal axis is the rest
// position, and beneath it a longitudinal wave as a row of lines crowded into
// compressions and spread into rarefactions. Each feature's name waits at the
// end of its leader line; the two "wavelength" answers are interchangeable.
#include "labelling/waves.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Waves";

// Either "wavelength" counts on either wavelength target.
int wavelengthPairScore(std::span<const Corner> labels, std::span<const Corner> targets, int)
{
    static const TargetGroups groups{{0, 1}, {2}, {3}, {4}, {5}, {6}, {7}};
    return groupedScore(labels, targets, groups);
}

ActivityData twoWaves()
{
    ActivityData d;
    d.screen = "waves";
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    //         answer            target         size        home
    d.items = {{"wavelength",     3735, 720,     2160, 375,  6000, 7200, "the double-headed arrow from one peak of the upper wave to the next"},  // between two crests
               {"wavelength",     4410, 5400,    2160, 375,  240, 6600, "the double-headed arrow from the middle of one crowded region of the lower wave to the next"},   // between two compressions
               {"amplitude",      1410, 720,     2160, 375,  8880, 6600, "the arrow from the middle line up to a peak of the upper wave"},
               {"crest",          9240, 1440,    2160, 375,  3120, 7200, "the highest point of the upper wave"},
               {"trough",         9240, 3060,    2160, 375,  6000, 6600, "the lowest point of the upper wave"},
               {"rest position",  9240, 2490,    2160, 375,  240, 7200, "the straight middle line the upper wave moves about"},
               {"compression",    3060, 3480,    2160, 375,  8880, 7200, "a region where the lines of the lower wave are crowded together"},
               {"rarefaction",    7110, 3480,    2160, 375,  3120, 6600, "a region where the lines of the lower wave are spread apart"}};
    d.pictures = {{"Images\\waves.jpg", 240, 720, 11520, 5160, false, "Two waves: above, a transverse wave drawn as a curve of displacement against distance, with peaks and dips about a straight middle line; below, a longitudinal wave drawn as vertical lines, crowded together in some places and spread apart in others"}};
    d.texts = {{"instruction", -1, "Label the features of these two waves.", {240, 120, 11520, 555},
                timesText(20.25, forms::Green)}};
    d.scoreLine = {"scoreLine", {3960, 5955, 4080, 585}, 24};
    d.lines = {leaderLine(0, 4815, 1095, 4815, 1290),  // the arrow from crest to crest
               leaderLine(1, 5490, 5400, 5490, 5220),  // the arrow from compression to compression
               leaderLine(2, 3150, 1095, 3465, 1995),  // halfway up the arrow from the rest position to a crest
               leaderLine(3, 9240, 1620, 6165, 1620),  // a crest
               leaderLine(4, 9240, 3120, 7515, 3120),  // a trough
               leaderLine(5, 9240, 2670, 8865, 2370),  // the horizontal axis
               leaderLine(6, 4140, 3855, 4140, 4200),  // a compression
               leaderLine(7, 8190, 3855, 8190, 4200)}; // a rarefaction
    d.score = wavelengthPairScore;
    return d;
}

} // namespace

const ActivityData& wavesActivity()
{
    static const ActivityData data = twoWaves();
    return data;
}

LabellingTopic wavesTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop activity to label the features of a wave.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "An oscilloscope could be used to display the shapes of sound waves picked up by a microphone."}},
                          wavesActivity());
}

} // namespace labelling
