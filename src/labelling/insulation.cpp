// Insulation: Leslie's cube, a house and a thermos flask, three screens of one
// family switched by green option buttons. Each diagram is shown at its own size.
#include "labelling/insulation.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Insulation";

// The three screens: the cube, the house, the flask.
const VariantSwitch InsulationFamily{
    {"Leslie's Cube", "House Insulation", "Thermos Flask"},
    {"thermal", "house", "thermos"},
    {{{240, 240, 2295, 495}, {240, 840, 2295, 495}, {240, 1440, 2295, 495}}},
    forms::Green,
    0,
};

// Target 0 takes only answer 0; the answers of each pair count on either
// target of their pair, and a target credits one answer however many lie on it.
int pairScore(std::span<const Corner> labels, std::span<const Corner> targets, int)
{
    static const TargetGroups pairs{{0}, {1, 2}, {3, 4}};
    return groupedScore(labels, targets, pairs);
}

// Every answer on its own target, over the flask's six items.
int flaskScore(std::span<const Corner> labels, std::span<const Corner> targets, int)
{
    return ownTargetScore(labels, targets, 6);
}

ActivityData insulationScreen(int own, const QColor& background)
{
    ActivityData d;
    d.screen = InsulationFamily.screens.at(std::size_t(own));
    d.caption = Title;
    d.background = background;
    d.answerPoints = 12;
    d.variants = InsulationFamily.seenFrom(own);
    return d;
}

FixedText instruction(const QString& text, const forms::TwipRect& at)
{
    return {"instruction", -1, text, at, timesText(20.25, forms::Green)};
}

ActivityData leslieCube()
{
    ActivityData d = insulationScreen(0, QColor(41, 65, 137));
    d.checks.partsDrawn = false; // two of its lines leave the surfaces' captions, not targets
    //         answer                target        size        home
    d.items = {{"Hot Water",               4620, 360,    2520, 375,  4680, 6525, "what is poured into the top of the cube"},
               {"lower detector reading",  480, 3600,    2520, 615,  7440, 6525, "the upper box on the silver side, by the detector facing the silver face"},
               {"emits less infrared",     480, 4290,    2520, 615,  6000, 7200, "the lower box on the silver side, by the silver face's meter"},
               {"higher detector reading", 8760, 3600,   2520, 615,  1920, 6525, "the upper box on the black side, by the detector facing the black face"},
               {"emits more infrared",     8760, 4290,   2520, 615,  3240, 7200, "the lower box on the black side, by the black face's meter"}};
    d.pictures = {{"Images\\leslie.jpg", 2280, 1080, 7200, 5400, false, "A metal cube filled from the top, one face shiny silver and the opposite face matt black, with a detector and meter facing each of the two faces"}};
    const forms::LabelLook surface{"Arial", 15.75, false, forms::Yellow, forms::Black, false, false,
                                   forms::Label::Align::Right};
    forms::LabelLook blackSurface = surface;
    blackSurface.align = forms::Label::Align::Left;
    d.texts = {instruction("Label this diagram showing Leslie's cube.", {7800, 120, 3825, 1065}),
               {"silverSurface", -1, "Silver surface", {600, 2880, 1665, 705}, surface},
               {"blackSurface", -1, "Matt black surface", {9360, 2880, 2025, 825}, blackSurface}};
    d.scoreLine = {"scoreLine", {7320, 5880, 3960, 585}, 24};
    d.lines = {leaderLine(0, 5880, 750, 5880, 2040),   // "Hot Water": the water in the cube
               leaderLine(3, 7560, 3240, 9120, 3240),  // "Matt black surface": the black face
               leaderLine(4, 2400, 3240, 4200, 3240)}; // "Silver surface": the silver face
    d.score = pairScore;
    return d;
}

ActivityData house()
{
    ActivityData d = insulationScreen(1, QColor(41, 65, 137));
    //         answer                    target        size        home
    d.items = {{"loft insulation",        3780, 240,    2520, 375,  6000, 6960, "the space under the roof, above the top ceiling"},
               {"thick curtains",         480, 2880,    2520, 375,  3240, 6960, "the red cloth at the windows"},
               {"cavity wall insulation", 480, 3780,    2520, 375,  1920, 7440, "the yellow fill in the gap inside the wall, where the bricks are cut away"},
               {"double glazing",         8880, 2880,   2520, 375,  4680, 7440, "the window at the top right, drawn with two sheets of glass"},
               {"well-fitting door",      8880, 4380,   2520, 375,  7440, 7440, "the front door, shut close in its frame"}};
    d.pictures = {{"Images\\house.jpg", 3360, 720, 5145, 6000, false, "A brick house seen from the front, with a roof space, windows with red cloth, a cut-away patch of wall showing the gap inside it, one window with two sheets of glass, and a front door"}};
    d.texts = {instruction("Label this diagram of a house to show how it could be insulated against heat loss.",
                           {7800, 120, 3825, 1905})};
    d.scoreLine = {"scoreLine", {7320, 5880, 3960, 585}, 24};
    d.lines = {leaderLine(0, 5040, 630, 5040, 1920),   // "loft insulation"
               leaderLine(1, 3000, 3960, 3960, 3960),  // "cavity wall insulation"
               leaderLine(2, 7680, 4560, 8880, 4560),  // "well-fitting door"
               leaderLine(3, 7920, 3060, 8880, 3060),  // "double glazing"
               leaderLine(4, 3000, 3060, 3960, 3060)}; // "thick curtains"
    d.score = pairScore;
    return d;
}

ActivityData thermosFlask()
{
    ActivityData d = insulationScreen(2, QColor(40, 65, 136));
    //         answer                                      target        size        home
    // The vacuum's answer takes three lines, and its boxes the height of three;
    // its target stands high enough that a label dropped on the box below
    // settles there, not here.
    d.items = {{"tight-fitting screw-on plastic cap",          9000, 540,    2520, 615,  2760, 5280, "the red top screwed onto the flask"},
               {"cork stopper in cap to reduce conduction",    9000, 1320,   2520, 615,  120, 4560, "the brown plug inside the top"},
               {"vacuum to reduce conduction and convection",  9000, 2640,   2520, 900,  2760, 6000, "the dark gap between the two glass walls"},
               {"hot or cold liquid",                          9000, 3840,   2520, 615,  120, 6000, "what fills the inside of the inner wall"},
               {"shiny surface to reduce radiation",           9000, 4800,   2520, 615,  2760, 4560, "the silvered faces of the glass walls"},
               {"air space to reduce conduction",              9000, 5760,   2520, 615,  120, 5280, "the space between the glass walls and the outer case, at the bottom"}};
    d.pictures = {{"Images\\thermos.jpg", 5730, 240, 2805, 7365, false, "Section through a flask: a red screw-on top with a brown plug in it, a double glass wall with a dark gap between its silvered faces, a brown liquid inside, and an outer case with a space under the glass"}};
    d.texts = {instruction("Label this diagram of a thermos flask indicating the features that have been "
                           "designed for good insulation.",
                           {120, 2400, 5145, 2025})};
    d.scoreLine = {"scoreLine", {720, 7200, 3960, 585}, 24};
    d.lines = {leaderLine(0, 7440, 1560, 9000, 1560),  // the cork stopper
               leaderLine(1, 8340, 6000, 9000, 6000),  // the air space
               leaderLine(2, 7800, 960, 9000, 960),    // the cap
               leaderLine(3, 8100, 3120, 9000, 3120),  // the vacuum
               leaderLine(4, 8160, 5040, 9000, 5040),  // the silvered surface
               leaderLine(5, 7320, 4080, 9000, 4080)}; // the liquid
    d.score = flaskScore;
    return d;
}

} // namespace

const std::vector<ActivityData>& insulationActivities()
{
    static const std::vector<ActivityData> all{leslieCube(), house(), thermosFlask()};
    return all;
}

LabellingTopic insulationTopic()
{
    return labellingTopic({.title = Title, .atRandom = true,
                           .guide = {"Label diagrams of how heat loss can be explained and reduced. The diagrams show a "
                                     "Leslie's cube, thermos flask and a house.",
                                     "Extension - The Leslie's cube could be demonstrated in the class. Fill it with hot "
                                     "water and hold a thermometer or infrared sensor the same distance from each face: "
                                     "the dull black face radiates most and the shiny silver face least."}},
                          insulationActivities());
}

} // namespace labelling
