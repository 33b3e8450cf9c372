// Energy Island: a map of an island with a windy ridge, a remote headland, an
// exposed west coast with big waves, a sunny south-facing slope, a volcano
// with hot springs, a mountain valley with a river, the river's estuary, and
// a coal mine by a port. Each power station's name waits in the sea beside
// the map at the end of a line to the place that suits it best.
#include "labelling/energyisland.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Energy Island";

ActivityData island()
{
    ActivityData d;
    d.screen = "energyisland";
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    //         answer                       target         size        home
    d.items = {{"wind farm",                 165, 1110,     2160, 630,  6000, 7200, "the windy ridge in the north of the island"},
               {"hydroelectric dam",         9675, 2610,    2160, 630,  240, 6480, "the lake in the mountain valley"},
               {"tidal barrage",             9675, 3360,    2160, 630,  8880, 6480, "the estuary on the east coast"},
               {"wave generators",           165, 3585,     2160, 630,  3120, 7200, "the big waves off the west coast"},
               {"solar farm",                165, 4860,     2160, 630,  6000, 6480, "the sunny south-facing slope"},
               {"geothermal power station",  9675, 1410,    2160, 630,  240, 7200, "the volcano with hot springs"},
               {"coal-fired power station",  9675, 4560,    2160, 630,  3120, 6480, "the coal mine near the port"},
               {"nuclear power station",     165, 2160,     2160, 630,  8880, 7200, "the remote headland in the west, far from the town"}};
    d.pictures = {{"Images\\island.jpg", 120, 660, 11760, 5160, false, "Map of an island: a windy ridge in the north, a remote headland in the west with big waves off the coast, a volcano with hot springs, a lake in a mountain valley, an estuary in the east, a town, a sunny south-facing slope, and a coal mine near a port"}};
    d.texts = {{"instruction", -1, "Drag each label to the best place for it on this island.",
                {240, 120, 11520, 555}, timesText(20.25, forms::Green)}};
    d.scoreLine = {"scoreLine", {3960, 5850, 4080, 585}, 24};
    d.lines = {leaderLine(0, 2325, 1410, 4620, 1410),  // the windy ridge
               leaderLine(1, 9675, 2910, 7170, 2910),  // the narrow mountain valley
               leaderLine(2, 9675, 3660, 9165, 3435),  // the estuary's mouth
               leaderLine(3, 2325, 3885, 2700, 3885),  // the big waves off the west coast
               leaderLine(4, 2325, 5160, 4620, 4740),  // the sunny south-facing slope
               leaderLine(5, 9675, 1710, 7545, 1860),  // the volcano and its hot springs
               leaderLine(6, 9675, 4860, 8145, 4710),  // the coal mine by the port
               leaderLine(7, 2325, 2460, 3045, 2460)}; // the remote headland
    return d;
}

} // namespace

const ActivityData& energyIslandActivity()
{
    static const ActivityData data = island();
    return data;
}

LabellingTopic energyIslandTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Pupils consider a fictitious island. They drag and drop electricity generation labels onto the "
                                     "most appropriate parts of the island.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "Extension - Give pupils a map of the UK. Ask them to mark where each kind of power station "
                                     "could be sited."}},
                          energyIslandActivity());
}

} // namespace labelling
