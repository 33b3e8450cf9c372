// Energy Sources: a ruled table with the sources down its left column, each
// with a small picture of it, and an empty row beside each for the
// explanation of how it makes electricity.
#include "labelling/energysources.h"
#include "labelling/activity.h"

namespace labelling {

namespace {

constexpr char Title[] = "Energy Sources";

// The table's columns and rows, in twips.
constexpr float TableLeft = 120, IconRight = 960, NameRight = 2640, TableRight = 7200;
constexpr float HeadTop = 720, RowsTop = 1200, RowHeight = 690;
constexpr float BoxWidth = 4440, BoxHeight = 630, BoxInset = 30;
constexpr int Rows = 8;
// The explanations wait in a column beside the table, in an order of their own.
constexpr float HomesLeft = 7380;
constexpr int HomeRow[Rows] = {3, 6, 0, 5, 2, 7, 1, 4};

float rowTop(int row) { return RowsTop + row * RowHeight; }

struct Source {
    const char* name;
    const char* explanation;
};

const Source Sources[Rows] = {
    {"wind", "moving air turns the blades of a turbine that drives a generator"},
    {"hydroelectric", "water from a reservoir behind a dam flows down through turbines"},
    {"tidal", "the tide flows in and out through turbines in a barrage"},
    {"wave", "the rise and fall of sea waves drives a floating generator"},
    {"solar cells", "sunlight falling on the cells produces a current directly"},
    {"geothermal", "hot rocks underground heat water to make steam that turns turbines"},
    {"fossil fuels", "coal, oil or gas is burned to boil water; the steam turns turbines"},
    {"nuclear", "uranium nuclei split, releasing energy that boils water to make steam"},
};

forms::LabelLook cellText()
{
    return {"Arial", 12, true, forms::Yellow, forms::Black, false, false, forms::Label::Align::Center};
}

LineData rule(int index, float x1, float y1, float x2, float y2)
{
    return {index, x1, y1, x2, y2, forms::Yellow, 2};
}

ActivityData sourcesTable()
{
    ActivityData d;
    d.screen = "energysources";
    d.checks.partsDrawn = false; // its lines rule the table; no target has a leader
    d.caption = Title;
    d.background = QColor(40, 65, 136);
    d.answerPoints = 12;
    d.texts = {{"instruction", -1, "Drag each explanation into the row of its energy source.", {240, 120, 11520, 555},
                timesText(20.25, forms::Green)},
               {"sourceHeading", -1, "Energy source", {TableLeft, HeadTop + 90, NameRight - TableLeft, 330}, cellText()},
               {"useHeading", -1, "How it is used to make electricity", {NameRight, HeadTop + 90, TableRight - NameRight, 330},
                cellText()}};
    int line = 0;
    for (int row = 0; row < Rows; ++row) {
        const float top = rowTop(row), boxTop = top + BoxInset;
        d.items.push_back({Sources[row].explanation, NameRight + 60, boxTop, BoxWidth, BoxHeight, HomesLeft,
                           rowTop(HomeRow[row]) + BoxInset, QStringLiteral("the row for %1").arg(Sources[row].name)});
        d.texts.push_back({"sourceName", row, Sources[row].name, {IconRight, top + 180, NameRight - IconRight, 330},
                           cellText()});
    }
    // The pictures of the sources, one to a row, left of their names.
    d.pictures = {{"Images\\sources.jpg", TableLeft + 30, RowsTop + 30, IconRight - TableLeft - 60,
                   Rows * RowHeight - 60, false,
                   "Small pictures of the energy sources, one a row beside its name: a wind turbine, a dam, a barrage "
                   "across an estuary, sea waves, a solar panel, steam rising from hot ground, a flame and an atom"}};
    // The rules: one above the headings and one above and below every row,
    // then the three columns' edges.
    d.lines.push_back(rule(line++, TableLeft, HeadTop, TableRight, HeadTop));
    for (int row = 0; row <= Rows; ++row)
        d.lines.push_back(rule(line++, TableLeft, rowTop(row), TableRight, rowTop(row)));
    for (float x : {TableLeft, NameRight, TableRight})
        d.lines.push_back(rule(line++, x, HeadTop, x, rowTop(Rows)));
    d.scoreLine = {"scoreLine", {HomesLeft, rowTop(Rows) + 120, BoxWidth, 585}, 24};
    return d;
}

} // namespace

const ActivityData& energySourcesActivity()
{
    static const ActivityData data = sourcesTable();
    return data;
}

LabellingTopic energySourcesTopic()
{
    return labellingTopic({.title = Title,
                           .guide = {"Complete a table matching energy sources with an explanation of how it is used to make "
                                     "electricity.",
                                     "When all the labels are in position, the scores can be checked.",
                                     "Pupils could use the internet to find real life examples of each energy source being used."}},
                          energySourcesActivity());
}

} // namespace labelling
