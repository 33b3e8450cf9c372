// Telescopic Views: the same sky seen with the naked eye, through an amateur
// telescope and by the Hubble Space Telescope, three screens of one family.
#include "labelling/telescopic.h"
#include "labelling/activity.h"
#include "forms/screens.h"

namespace labelling {

namespace {

constexpr char Title[] = "Telescopic Views";

// The three screens: by eye, small telescope, from orbit.
const VariantSwitch TelescopeFamily{
    {"Naked Eye Observation", "Amateur Telescope", "Hubble Space Telescope"},
    {"nakedeye", "telescope", "hst"},
    {{{240, 240, 3255, 495}, {240, 840, 3255, 495}, {240, 1440, 3255, 495}}},
    forms::Yellow,
    0,
};

ActivityData nakedEye()
{
    ActivityData d;
    d.screen = TelescopeFamily.screens.at(0);
    d.checks.ownSize = false; // its pictures are stretched to their frames
    d.caption = Title;
    d.background = QColor(25, 25, 25);
    d.answerPoints = 15.75;
    //         answer                 target        size        home
    d.items = {{"Crescent Moon",      4230, 3120,   3360, 450,  240, 6240, "the picture above it"},
               {"Full Moon",          8310, 3120,   3360, 450,  240, 4440, "the picture above it"},
               {"Annular Eclipse",    4230, 6840,   3360, 450,  240, 5640, "the picture above it"},
               {"The Moon and Venus", 8310, 6840,   3360, 450,  240, 5040, "the picture above it"}};
    d.pictures = {{"Images\\crescentn.jpg", 4080, 240,  3660, 2760, true, "Evening sky over houses and trees, with a thin curved sliver of light low in the sky"},
                  {"Images\\moonn.jpg",     8160, 240,  3660, 2760, true, "Night sky over houses and trees, with a bright round grey disc with dark patches"},
                  {"Images\\eclipsen.jpg",  4080, 3960, 3660, 2760, true, "A black disc with a thin bright ring of light all round it, above a skyline"},
                  {"Images\\venusn.jpg",    8160, 3960, 3660, 2760, true, "Evening sky with a thin crescent and a very bright point of light beside it"}};
    d.texts = {{"instruction", -1, "Label the images. They are shown as they might be seen with the naked eye.",
                {120, 2400, 3735, 2025}, timesText(20.25)},
               {"note", -1, "Never look directly at the Sun", {3570, 7440, 4695, 465}, noteText()}};
    d.scoreLine = {"scoreLine", {240, 6960, 3360, 705}, 20.25};
    d.variants = TelescopeFamily.seenFrom(0);
    return d;
}

ActivityData amateurTelescope()
{
    ActivityData d;
    d.screen = TelescopeFamily.screens.at(1);
    d.checks.ownSize = false;
    d.caption = Title;
    d.background = QColor(25, 25, 25);
    d.answerPoints = 15.75;
    //         answer          target        size        home
    d.items = {{"Mars",        600, 4320,    2040, 450,  9480, 5520, "the picture above it"},
               {"Venus",       3600, 4320,   2040, 450,  9480, 3120, "the picture above it"},
               {"Double Star", 6600, 4320,   2040, 450,  9480, 4920, "the picture above it"},
               {"Jupiter",     600, 7200,    2040, 450,  9480, 4320, "the picture above it"},
               {"Saturn",      3600, 7200,   2040, 450,  9480, 2520, "the picture above it"},
               {"The Moon",    6600, 7200,   2040, 450,  9480, 3720, "the picture above it"}};
    d.pictures = {{"Images\\marst2.jpg",    240, 2160,  2760, 2085, true, "Through a small telescope: a small orange-red disc"},
                  {"Images\\venust.jpg",    3240, 2160, 2760, 2085, true, "Through a small telescope: a bright white crescent"},
                  {"Images\\albireot.jpg",  6240, 2160, 2760, 2085, true, "Through a small telescope: two close points of light, one orange and one blue"},
                  {"Images\\jupitert2.jpg", 240, 5040,  2760, 2085, true, "Through a small telescope: a pale disc with faint bands and small points of light in a line on either side of it"},
                  {"Images\\saturnt2.jpg",  3240, 5040, 2760, 2085, true, "Through a small telescope: a small yellowish disc inside a ring"},
                  {"Images\\moont4.jpg",    6240, 5040, 2760, 2085, true, "Through a small telescope: a large grey surface covered in craters"}};
    d.texts = {{"instruction", -1,
                "Label these images that are shown as they might be seen through an Earth-based amateur telescope.",
                {3960, 120, 7785, 1905}, timesText(26.25)}};
    d.scoreLine = {"scoreLine", {9240, 6360, 2520, 1185}, 24};
    d.variants = TelescopeFamily.seenFrom(1);
    return d;
}

ActivityData spaceTelescope()
{
    ActivityData d;
    d.screen = TelescopeFamily.screens.at(2);
    d.checks.ownSize = false;
    d.caption = Title;
    d.background = QColor(0, 0, 0);
    d.answerPoints = 15.75;
    //         answer               target        size        home
    d.items = {{"Mars",             4650, 3120,   2745, 450,  600, 6000, "the picture above it"},
               {"Saturn",           8625, 3120,   2745, 450,  600, 4200, "the picture above it"},
               {"The Eagle Nebula", 4650, 6840,   2745, 450,  600, 5400, "the picture above it"},
               {"Spiral Galaxy",    8625, 6840,   2745, 450,  600, 4800, "the picture above it"}};
    d.pictures = {{"Images\\marsh.jpg",   4200, 240,  3660, 2760, true, "A reddish-orange planet with dark markings and a white polar cap"},
                  {"Images\\saturnh.jpg", 8160, 240,  3660, 2760, true, "A banded planet with wide, bright rings round it"},
                  {"Images\\eagleh.jpg",  4200, 3960, 3660, 2760, true, "Tall dark pillars of gas and dust against a blue-green glow"},
                  {"Images\\galaxyh.jpg", 8160, 3960, 3660, 2760, true, "A spiral of stars winding out from a bright centre"}};
    d.texts = {{"instruction", -1, "Label these drawings made from Hubble photographs.",
                {120, 2760, 3855, 1305}, timesText(18)},
               {"credit", -1, "Drawings by Quorvanta after Hubble photographs",
                {4290, 7440, 7455, 465}, noteText()}};
    d.scoreLine = {"scoreLine", {300, 6960, 3360, 705}, 20.25};
    d.variants = TelescopeFamily.seenFrom(2);
    return d;
}

} // namespace

const std::vector<ActivityData>& telescopicActivities()
{
    static const std::vector<ActivityData> all{nakedEye(), amateurTelescope(), spaceTelescope()};
    return all;
}

LabellingTopic telescopicTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop to match drawings of various celestial bodies.",
                                     "There are three screens, showing images produced with the naked eye, an amateur "
                                     "telescope and the Hubble Space Telescope. When all the labels are in position, the "
                                     "scores can be checked.",
                                     "Pupils could investigate other images of celestial objects on the internet, and "
                                     "compare what the naked eye, a school telescope and a space telescope can show."}},
                          telescopicActivities());
}

} // namespace labelling
