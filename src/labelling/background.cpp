// Background Radiation: drag each source's name onto its sector of the pie
// chart of the average yearly dose in the UK.
#include "labelling/background.h"
#include "labelling/activity.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace labelling {

namespace {

constexpr char Title[] = "Background Radiation";

// "ground and buildings" and "medical" are equal slices (14 % each), and
// "food and drink" (11.5 %) and "cosmic rays" (10 %) too close to tell apart
// on a chart without its values: in each pair either counts on either.
int alikeSlicesScore(std::span<const Corner> labels, std::span<const Corner> targets, int)
{
    static const TargetGroups groups{{0}, {1, 2}, {3, 4}, {5}};
    return groupedScore(labels, targets, groups);
}

// The UK average yearly dose by source, rounded as it is usually published:
// radon about half, then medical use and the ground and buildings, food and
// drink, cosmic rays, and a sliver from the nuclear industry, the fallout of
// past weapons tests and work with radiation.
PieChart chart()
{
    return {{6000, 3900}, 2520,
            {{"radon gas",                             50.0, QColor(214, 64, 64)},
             {"ground and buildings",                  14.0, QColor(150, 110, 64)},
             {"medical",                               14.0, QColor(70, 160, 220)},
             {"food and drink",                        11.5, QColor(90, 180, 80)},
             {"cosmic rays",                           10.0, QColor(160, 110, 210)},
             {"nuclear power, weapons tests and work", 0.5,  QColor(255, 255, 255)}}};
}

ActivityData background()
{
    const PieChart& pie = backgroundChart();
    ActivityData d;
    d.screen = "background";
    d.caption = Title;
    d.background = QColor(30, 52, 110);
    d.answerPoints = 12;
    //         answer                                   target        size        home
    // Every target and home lies far enough from the edges to hold the widest label whole.
    d.items = {{pie.sectors[0].source,                  8700, 3720,   2520, 375,  3720, 6720, "the red slice, half of the chart"},
               {pie.sectors[1].source,                  1080, 5880,   2520, 375,  6480, 7380, "the brown slice, about a seventh of the chart"},
               {pie.sectors[2].source,                  240, 4320,    2520, 375,  3720, 7380, "the blue slice, about a seventh of the chart"},
               {pie.sectors[3].source,                  240, 2880,    2520, 375,  240, 7380, "the green slice, about a ninth of the chart"},
               {pie.sectors[4].source,                  840, 1560,    2520, 375,  6480, 6720, "the purple slice, a tenth of the chart"},
               {pie.sectors[5].source,                  7800, 840,    3240, 615,  240, 6720, "the thin white sliver, under 1 per cent of the chart"}};
    d.pictures = {{"Images\\background.jpg", 3360, 1200, 5280, 5400, false, "Pie chart of the sources of background radiation, its slices not named: a red slice of half the chart, a brown and a blue slice of about a seventh each, a green slice of about a ninth, a purple slice of a tenth and a thin white sliver under 1 per cent"}};
    d.texts = {{"instruction", -1, "Label the sources of background radiation.", {120, 120, 11760, 585}, timesText(24)}};
    d.scoreLine = {"scoreLine", {7560, 6000, 4200, 585}, 24};
    // Each leader runs from its target into the middle of its sector; the
    // sliver's leader meets it near the rim, where it is widest.
    const float reach[] = {0.55f, 0.7f, 0.7f, 0.7f, 0.7f, 0.93f};
    for (int i = 0; i < int(d.items.size()); ++i) {
        const Item& item = d.items[std::size_t(i)];
        const QPointF part = pie.at(pie.startAngle(i) + pie.sweep(i) / 2, reach[i]);
        // From the point of the target nearest the part.
        const float boxX = std::clamp(float(part.x()), item.targetLeft, item.targetLeft + item.width);
        const float boxY = std::clamp(float(part.y()), item.targetTop, item.targetTop + item.height);
        d.lines.push_back(leaderLine(i, boxX, boxY, float(part.x()), float(part.y())));
    }
    d.score = alikeSlicesScore;
    return d;
}

} // namespace

double PieChart::startAngle(int i) const
{
    double start = 0;
    for (int k = 0; k < i; ++k)
        start += sweep(k);
    return start;
}

QPointF PieChart::at(double degrees, double fraction) const
{
    const double a = degrees * std::numbers::pi / 180;
    return centre + QPointF(std::sin(a), -std::cos(a)) * (radius * fraction);
}

const PieChart& backgroundChart()
{
    static const PieChart pie = chart();
    return pie;
}

const ActivityData& backgroundActivity()
{
    static const ActivityData data = background();
    return data;
}

LabellingTopic backgroundTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Drag and drop to label a pie chart showing the sources of background radiation.",
                                     "Different areas and lifestyles mean that people are exposed to different amounts of background "
                                     "radiation. Pupils could be asked to find out which parts of the UK have high background "
                                     "radiation and why."}},
                          backgroundActivity());
}

} // namespace labelling
