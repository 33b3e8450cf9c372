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
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    //         answer                   target        size        home
    d.items = {{"fuel",                 120, 4680,    1320, 375,  9000, 7440},
               {"water",                2760, 4680,   1320, 375,  7560, 7440},
               {"steam",                4440, 1920,   1320, 375,  7560, 6960},
               {"electricity",          7620, 1080,   1320, 375,  9000, 6960},
               {"boiler furnace",       960, 5400,    1440, 675,  6000, 7080},
               {"turbine",              3480, 5400,   1440, 675,  2880, 7080},
               {"electrical generator", 6240, 5400,   1440, 675,  4440, 7080},
               {"step-up transformer",  9120, 5400,   1440, 675,  1320, 7080}};
    // Shown at its own size; the diagram is drawn to fill this area.
    d.pictures = {{"Images\\electric.jpg", 240, 720, 11625, 4680, false}};
    d.texts = {{"captions", 0, "Label this diagram showing the industrial production of electricity.",
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

activity::Topic generatorTopic()
{
    return labellingTopic({.menu = 2, .row = 0, .title = Title,
                           .guide = {"Drag and drop activity, in which pupils match the names of the different processes in the "
                                     "generation of electricity.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "Pupils could summarise the diagram in a flow chart."}},
                          generatorActivity());
}

} // namespace labelling
