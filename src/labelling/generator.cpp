// Electricity Production: label a diagram of a power station, from the fuel
// and water going in to the electricity leaving on the pylons.
#include "labelling/generator.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Electricity Production";

ActivityData powerStation()
{
    ActivityData d;
    d.screen = "generator";
    d.checks.partsDrawn = false; // drawn before this check: its leaders' ends are checked one by one
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    //         answer                   target        size        home
    d.items = {{"fuel",                 120, 4680,    1320, 375,  9000, 7440, "the heap of black lumps at the left, beside the furnace"},
               {"water",                2760, 4680,   1320, 375,  7560, 7440, "the blue pipe carrying liquid back into the bottom of the boiler"},
               {"steam",                4440, 1920,   1320, 375,  7560, 6960, "the white pipe carrying hot gas from the top of the boiler to the machine with blades"},
               {"electricity",          7620, 1080,   1320, 375,  9000, 6960, "the cables hanging between the pylons"},
               {"boiler furnace",       960, 5400,    1440, 675,  6000, 7080, "the part above it: the tall box with flames at the bottom and tubes of water above them"},
               {"turbine",              3480, 5400,   1440, 675,  2880, 7080, "the part above it: the machine with rows of blades, turned by the hot gas"},
               {"electrical generator", 6240, 5400,   1440, 675,  4440, 7080, "the part above it: the green machine with a magnet inside coils, turned by the shaft"},
               {"step-up transformer",  9120, 5400,   1440, 675,  1320, 7080, "the part above it: the grey box with two coils, between the green machine and the pylons"}};
    // Shown at its own size; the diagram is drawn to fill this area.
    d.pictures = {{"Images\\electric.jpg", 240, 720, 11625, 4680, false, "Diagram of a power station, left to right: a heap of black lumps, a tall furnace with tubes of water and a chimney, a white pipe to a machine with rows of blades, a blue pipe back to the furnace, a shaft to a green machine with a magnet inside coils, a grey box with two coils, and pylons carrying cables"}};
    d.texts = {{"instruction", -1, "Label this diagram showing the industrial production of electricity.",
                {240, 120, 11505, 825}, timesText(20.25, forms::Green)}};
    d.scoreLine = {"scoreLine", {3960, 6360, 4080, 585}, 24};
    // Leader lines from the small targets to their parts; there is no lines(2).
    d.lines = {leaderLine(0, 4200, 2100, 4440, 2100),  // "steam": the steam pipe
               leaderLine(1, 8280, 1650, 8280, 1440),  // "electricity": the power line
               leaderLine(3, 780, 4680, 780, 4320),    // "fuel": the fuel heap
               leaderLine(4, 2520, 4860, 2760, 4860)}; // "water": the feed-water pipe
    return d;
}

} // namespace

const ActivityData& generatorActivity()
{
    static const ActivityData data = powerStation();
    return data;
}

LabellingTopic generatorTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop activity, in which pupils match the names of the different processes in the "
                                     "generation of electricity.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "Pupils could summarise the diagram in a flow chart."}},
                          generatorActivity());
}

} // namespace labelling
