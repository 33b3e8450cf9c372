// Electromagnetic Spectrum: a band of the seven regions, longest wavelength on
// the left, each named beneath it; above, an arrow of increasing frequency
// pointing towards gamma rays, below, one of increasing wavelength pointing
// back towards radio waves. Each arrow's name sits on its middle.
#include "labelling/emspectrum.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Electromagnetic Spectrum";

constexpr float BandLeft = 240, RegionWidth = 1645;
constexpr float RegionBoxWidth = 1560, BoxHeight = 375, ArrowBoxWidth = 2880;
constexpr float RegionTop = 3720;
// The regions' homes, left to right, hold the regions in this order.
constexpr int RegionInHome[7] = {3, 0, 5, 2, 6, 1, 4};

ActivityData spectrum()
{
    ActivityData d;
    d.screen = "emspectrum";
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    const char* regions[7] = {"radio waves", "microwaves", "infrared", "visible light",
                              "ultraviolet", "X-rays",      "gamma rays"};
    const char* bands[7] = {"the band at the left end, where the wave drawn is longest", "the second band from the left",
                            "the third band from the left", "the middle band, coloured like a rainbow",
                            "the fifth band from the left", "the sixth band from the left",
                            "the band at the right end, where the wave drawn is shortest"};
    for (int k = 0; k < 7; ++k) {
        const float left = BandLeft + k * RegionWidth + (RegionWidth - RegionBoxWidth) / 2;
        d.items.push_back({regions[k], left, RegionTop, RegionBoxWidth, BoxHeight, 0, 6480, bands[k]});
    }
    for (int h = 0; h < 7; ++h)
        d.items[RegionInHome[h]].homeLeft = 240 + h * 1680;
    //                   answer                   target           size                      home
    d.items.push_back({"increasing frequency",  4560, 1140,  ArrowBoxWidth, BoxHeight,  6720, 7080, "the arrow above the bands, pointing right"});
    d.items.push_back({"increasing wavelength", 4560, 4500,  ArrowBoxWidth, BoxHeight,  2400, 7080, "the arrow below the bands, pointing left"});
    // The arrows run across the whole picture; the band fills its middle.
    d.pictures = {{"Images\\spectrum.jpg", BandLeft, 840, 11520, 4320, false, "The electromagnetic spectrum as a strip of seven bands, its names left out, with a wave drawn across it that gets shorter from left to right; the middle band is coloured like a rainbow; an arrow above the strip points right and an arrow below it points left"}};
    d.texts = {{"instruction", -1, "Label the parts of the electromagnetic spectrum.", {240, 120, 11520, 555},
                timesText(20.25, forms::Green)}};
    d.scoreLine = {"scoreLine", {3960, 5280, 4080, 585}, 24};
    return d;
}

} // namespace

const ActivityData& emSpectrumActivity()
{
    static const ActivityData data = spectrum();
    return data;
}

LabellingTopic emSpectrumTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop to label the different parts of the electromagnetic spectrum.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "Small groups of pupils could work at the board to complete the task. The team that completes "
                                     "the activity quickest could be given a prize."}},
                          emSpectrumActivity());
}

} // namespace labelling
