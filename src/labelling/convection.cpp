// Convection: a beaker of water on a tripod and gauze, heated under its left
// side by a Bunsen burner; a purple crystal dissolving on the bottom above
// the flame marks the water rising over the flame, crossing the top, sinking
// on the far side and returning along the bottom.
#include "labelling/convection.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Convection";

ActivityData beaker()
{
    ActivityData d;
    d.screen = "convection";
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    //         answer                 target         size        home
    d.items = {{"Bunsen burner",       240, 4890,     2520, 375,  6000, 7200, "the burner with a blue flame under the stand"},
               {"crystal",             240, 3465,     2520, 375,  8880, 6600, "the small purple solid on the bottom of the beaker, above the flame"},
               {"hot water rises",     240, 2340,     2520, 375,  3120, 7200, "the red arrow pointing up on the left side of the water"},
               {"cool water sinks",    9240, 2415,    2520, 375,  240, 6600, "the blue arrow pointing down on the right side of the water"},
               {"convection current",  9240, 1620,    2520, 375,  6000, 6600, "the purple loop of arrows going round the water"},
               {"beaker",              9240, 3015,    2520, 375,  3120, 6600, "the glass container holding the water"},
               {"tripod",              9240, 4740,    2520, 375,  240, 7200, "the three-legged stand holding the container above the flame"}};
    d.pictures = {{"Images\\convection.jpg", 3000, 720, 6000, 5160, false, "A glass beaker of water on a three-legged stand over a burner; purple colour from a crystal above the flame rises on the left, crosses the top, sinks on the right and returns along the bottom, with a red arrow up and a blue arrow down"}};
    d.texts = {{"instruction", -1, "Label this diagram showing a convection current in a beaker of water.",
                {240, 120, 11520, 555}, timesText(20.25, forms::Green)}};
    d.scoreLine = {"scoreLine", {3960, 5955, 4080, 585}, 24};
    d.lines = {leaderLine(0, 2760, 5070, 5100, 5070),  // the burner's barrel
               leaderLine(1, 2760, 3645, 5100, 3645),  // the crystal on the bottom
               leaderLine(2, 2760, 2520, 4875, 2520),  // the arrow rising above the flame
               leaderLine(3, 9240, 2595, 7125, 2595),  // the arrow sinking on the far side
               leaderLine(4, 9240, 1800, 6450, 1800),  // the purple trail across the top
               leaderLine(5, 9240, 3195, 7650, 3195),  // the beaker's wall
               leaderLine(6, 9240, 4920, 7980, 4920)}; // a leg of the tripod
    return d;
}

} // namespace

const ActivityData& convectionActivity()
{
    static const ActivityData data = beaker();
    return data;
}

LabellingTopic convectionTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Label a diagram showing a convection current in a beaker. When all the labels have been put "
                                     "into position, the score can be checked.",
                                     "Small groups of pupils could perform the practical as an extension activity. A crystal of "
                                     "potassium permanganate dropped into one side of a beaker of cold water and gently heated "
                                     "beneath that side shows the purple current rising above the flame, crossing the top and "
                                     "sinking on the far side."}},
                          convectionActivity());
}

} // namespace labelling
