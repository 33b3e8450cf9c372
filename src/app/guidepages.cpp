#include "app/guidepages.h"
#include "app/menu.h"

#include <algorithm>
#include <map>

namespace app {

namespace {

constexpr float RulesTop = 1200, RulesBottom = 8280;

// A rule down the whole table.
GuideRule full(float x) { return {x, RulesTop, RulesBottom}; }

const std::vector<QString> ActivityColumns{"Activity", "Description", "Notes", "Options"};

// The class answers a true-or-false activity by where it stands in the room.
const QString TrueFalseContinuum =
    "On one side of the classroom pin up the word 'TRUE' and on the other side the word 'FALSE'. "
    "Pupils stand along the line between them to show how sure they are about each statement.";

const QString LabelsScore = "When all the labels are in position, the scores can be checked.";
const QString WhiteboardAnswer = "Individual white boards can be used to display each answer.";

} // namespace

const GuideIntro& guideIntro()
{
    static const GuideIntro intro{
        "If you have any difficulty installing or using Physics Year 10 Tavrenel, please contact "
        "Quorvanta Customer Support by e-mail at support@quorvanta.example or by telephone on 01632 960417.",
        "Contact Details:",
        "Quorvanta Learning Ltd\n"
        "Unit 7, Lantern Yard\n"
        "Kettleby Road\n"
        "Amberford\n"
        "QV7 2LN",
        "Tel: 01632 960417\n"
        "Fax: 01632 960418\n"
        "E-mail: support@quorvanta.example\n"
        "Web: www.quorvanta.example",
        "This software is designed for use with an Interactive Whiteboard or projected onto a screen or "
        "ordinary whiteboard via a data projector. Some activities lend themselves to students working on "
        "individual whiteboards allowing them to display their solutions when found. The activities provide "
        "a variety of mental warm-ups and are suitable for students at KS4. For some of the activities the "
        "questions are randomly generated. For each question, clicking the Answer button will display an "
        "answer and clicking the Next button will produce another question.",
        "The opening screen provides links to the five Activity menus. Details about each of these "
        "activities are given on the following pages of this Teachers' Guide.",
        "Open Teachers' Guide as a Word Document",
    };
    return intro;
}

namespace {

// The rules of each menu's table, as designed for its five topics.
GuideTable designedLayout(int menu)
{
    switch (menu) {
    case 1:
        return {{"Activity", "Description", "Options"},
                {full(120), full(1680), full(4920), full(11880)},
                {1200, 3000, 4020, 5580, 6600, 8280}, {}};
    case 2:
        return {ActivityColumns,
                {full(120), full(1680), full(5400), {8280, RulesTop, 5370}, full(11880)},
                {1200, 2520, 4080, 5370, 6690, 8280}, {}};
    case 3:
        return {ActivityColumns,
                {full(120), full(2040), full(5400), full(8520), full(11880)},
                {1200, 2760, 4080, 5640, 7200, 8280}, {}};
    case 4:
        return {ActivityColumns,
                {full(120), full(1800), full(5280), {8400, RulesTop, 2400}, {8400, 5220, 6600}, full(11880)},
                {1200, 2400, 3840, 5220, 6600, 8280}, {}};
    case 5:
        return {ActivityColumns,
                {full(120), full(1560), full(4320), {8520, RulesTop, 4560}, full(11880)},
                {1200, 2640, 4560, 5640, 6960, 8280}, {}};
    default:
        return {};
    }
}

// A table for `rows` topics: the designed one where it has that many rows,
// else four plain columns with the rows sharing the height evenly.
GuideTable layoutFor(int menu, int rows)
{
    GuideTable table = designedLayout(menu);
    if (static_cast<int>(table.horizontalRules.size()) == rows + 1)
        return table;
    table = {ActivityColumns, {full(120), full(2040), full(5400), full(8520), full(11880)}, {}, {}};
    for (int rule = 0; rule <= rows; ++rule)
        table.horizontalRules.push_back(RulesTop + (RulesBottom - RulesTop) * static_cast<float>(rule) / static_cast<float>(std::max(rows, 1)));
    return table;
}

} // namespace

std::vector<GuidePage> makeGuidePages(const std::vector<MenuData>& menus)
{
    const int count = static_cast<int>(menus.size()) + 1;
    const auto indicator = [count](int page) { return QStringLiteral("Page %1 of %2").arg(page + 1).arg(count); };
    std::vector<GuidePage> pages{{QStringLiteral("TeacherGuide0"), indicator(0), {}, {}}};
    for (int menu = 1; menu < count; ++menu) {
        const MenuData& data = menus[static_cast<std::size_t>(menu - 1)];
        GuideTable table = layoutFor(menu, static_cast<int>(data.topics.size()));
        for (const activity::Topic* topic : data.topics) {
            std::vector<QString> row{topic->title};
            row.insert(row.end(), topic->guide.begin(), topic->guide.end());
            table.rows.push_back(std::move(row));
        }
        pages.push_back({QStringLiteral("TeacherGuide%1").arg(menu), indicator(menu), data.title, std::move(table)});
    }
    return pages;
}

const std::vector<GuidePage>& guidePages()
{
    static const std::vector<GuidePage> pages = makeGuidePages(menuTable());
    return pages;
}

std::vector<forms::TwipRect> guideColumns(const GuideTable& table)
{
    std::vector<float> xs;
    for (const GuideRule& rule : table.verticalRules)
        xs.push_back(rule.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<forms::TwipRect> columns;
    if (table.horizontalRules.size() < 2)
        return columns;
    const float top = table.horizontalRules.front(), bottom = table.horizontalRules.back();
    for (std::size_t i = 1; i < xs.size(); ++i)
        columns.push_back({xs[i - 1], top, xs[i] - xs[i - 1], bottom - top});
    return columns;
}

std::vector<forms::TwipRect> guideCells(const GuideTable& table, int row)
{
    std::vector<forms::TwipRect> cells;
    const auto r = static_cast<std::size_t>(row);
    if (row < 0 || r + 1 >= table.horizontalRules.size())
        return cells;
    const float top = table.horizontalRules[r], bottom = table.horizontalRules[r + 1];
    const float middle = (top + bottom) / 2;
    std::vector<float> xs;
    for (const GuideRule& rule : table.verticalRules)
        if (rule.top <= middle && middle <= rule.bottom)
            xs.push_back(rule.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    for (std::size_t i = 1; i < xs.size(); ++i)
        cells.push_back({xs[i - 1], top, xs[i] - xs[i - 1], bottom - top});
    return cells;
}

} // namespace app
