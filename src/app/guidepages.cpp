#include "app/guidepages.h"
#include "app/menu.h"

#include <algorithm>
#include <optional>

namespace app {

namespace {

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

// Each menu's table as designed for its five topics; a later menu's has the
// columns of menu 3 and five even rows.
GuideTable designedLayout(int menu)
{
    switch (menu) {
    case 1:
        return {{"Activity", "Description", "Options"}, {120, 1680, 4920, 11880}, {1200, 3000, 4020, 5580, 6600, 8280}, {}};
    case 2:
        return {ActivityColumns, {120, 1680, 5400, 8280, 11880}, {1200, 2520, 4080, 5370, 6690, 8280}, {}};
    case 3:
        return {ActivityColumns, {120, 2040, 5400, 8520, 11880}, {1200, 2760, 4080, 5640, 7200, 8280}, {}};
    case 4:
        return {ActivityColumns, {120, 1800, 5280, 8400, 11880}, {1200, 2400, 3840, 5220, 6600, 8280}, {}};
    case 5:
        return {ActivityColumns, {120, 1560, 4320, 8520, 11880}, {1200, 2640, 4560, 5640, 6960, 8280}, {}};
    default:
        return {ActivityColumns, {120, 2040, 5400, 8520, 11880}, {1200, 2616, 4032, 5448, 6864, 8280}, {}};
    }
}

// The pages of one menu: its topics' rows in turn on its designed table, as
// many a page as the table has rows, so that every row keeps its designed height.
std::vector<GuideTable> menuTables(int menu, const MenuData& data)
{
    const GuideTable design = designedLayout(menu);
    const std::size_t perPage = design.horizontalRules.size() - 1;
    std::vector<GuideTable> tables;
    for (std::size_t first = 0; first == 0 || first < data.topics.size(); first += perPage) {
        GuideTable table = design;
        const std::size_t rows = std::min(perPage, data.topics.size() - first);
        table.horizontalRules.resize(rows + 1);
        for (std::size_t topic = first; topic < first + rows; ++topic) {
            table.rows.push_back({data.topics[topic]->title});
            const std::vector<QString>& guide = data.topics[topic]->guide;
            table.rows.back().insert(table.rows.back().end(), guide.begin(), guide.end());
        }
        tables.push_back(std::move(table));
    }
    return tables;
}

} // namespace

namespace {
void numberPages(std::vector<GuidePage>& pages)
{
    for (std::size_t page = 0; page < pages.size(); ++page)
        pages[page].indicator = QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages.size());
}
} // namespace

std::vector<GuidePage> makeGuidePages(const std::vector<MenuData>& menus)
{
    std::vector<GuidePage> pages{{QStringLiteral("TeacherGuide0"), {}, {}, {}}};
    for (std::size_t menu = 0; menu < menus.size(); ++menu)
        for (GuideTable& table : menuTables(static_cast<int>(menu) + 1, menus[menu]))
            pages.push_back({QStringLiteral("TeacherGuide%1").arg(pages.size()), {}, menus[menu].title, std::move(table)});
    numberPages(pages);
    return pages;
}

// After the menus' pages: how teachers make activities of their own and share them.
GuidePage ownActivitiesPage()
{
    return {{}, {}, QStringLiteral("Making and sharing activities"),
            {{"Task", "What to do", "Notes"}, {120, 2040, 7800, 11880}, {1200, 2760, 4080, 5400, 6840, 8280}, {
                {"Make a labelling activity",
                 "In My Activities choose \"New labelling activity\". Choose a picture (a photograph, a scanned diagram), type a "
                 "title and an instruction, click each part to be labelled, type its answer and drag its numbered box to where it "
                 "should sit. \"Try it\" plays it; \"Save\" keeps it.",
                 "One to ten labels. A picture up to 8000 x 8000 pixels (PNG, JPEG, BMP or GIF); a large one is made smaller."},
                {"Play, edit or delete",
                 "Choose an activity in the list and press \"Play\", or tap it twice. \"Edit\" opens it in the editor. \"Delete\" "
                 "asks first, then moves the file to the wastebasket.",
                 "It plays as our own activities do: drag, tap or keyboard, then \"Check Score\"."},
                {"Share it",
                 "Each activity is one .tavlabel file, picture and all, in your activities folder. E-mail it or copy it to a shared "
                 "drive; a colleague adds it with \"Import...\".",
                 "\"Choose shared folder...\" lists a department's network folder as well."},
                {"Where they come from",
                 "Yours: your own activities folder. School: installed for every classroom by the school's IT (tavrenel/activities "
                 "in the system's data folders). Shared: the folder you chose.",
                 "A file you cannot change is played, not edited in place: \"Save a copy\" keeps your own. A damaged file is "
                 "listed as \"cannot be opened\", with the reason."},
                {"True/false quizzes",
                 "\"New true/false quiz\" in My Activities makes a quiz of your own: a title, an instruction, the choices "
                 "(True and False, or up to four of your own) and the statements, kept as one .tavquiz file.",
                 "Every statement quiz also has \"Edit statements\", to change its statements for your class."}}}};
}

const std::vector<GuidePage>& guidePages()
{
    static const std::vector<GuidePage> pages = [] {
        std::vector<GuidePage> all = makeGuidePages(menuTable());
        all.push_back(ownActivitiesPage());
        all.back().screen = QStringLiteral("TeacherGuide%1").arg(all.size() - 1);
        numberPages(all);
        return all;
    }();
    return pages;
}

std::vector<forms::TwipRect> guideColumns(const GuideTable& table)
{
    std::vector<forms::TwipRect> columns;
    if (table.horizontalRules.size() < 2)
        return columns;
    const float top = table.horizontalRules.front(), bottom = table.horizontalRules.back();
    for (std::size_t i = 1; i < table.columnEdges.size(); ++i)
        columns.push_back({table.columnEdges[i - 1], top, table.columnEdges[i] - table.columnEdges[i - 1], bottom - top});
    return columns;
}

namespace {
// Whether edge `edge` bounds a cell of row `row`: the row's first texts each
// have a column, its last text runs on to the right-hand edge.
bool edgeBounds(const GuideTable& table, std::size_t row, std::size_t edge)
{
    return edge + 1 == table.columnEdges.size() || edge < table.rows[row].size();
}
} // namespace

std::vector<forms::TwipRect> guideCells(const GuideTable& table, int row)
{
    std::vector<forms::TwipRect> cells;
    const auto r = static_cast<std::size_t>(row);
    if (row < 0 || r >= table.rows.size() || r + 1 >= table.horizontalRules.size())
        return cells;
    const float top = table.horizontalRules[r], bottom = table.horizontalRules[r + 1];
    std::optional<float> left;
    for (std::size_t edge = 0; edge < table.columnEdges.size(); ++edge) {
        if (!edgeBounds(table, r, edge))
            continue;
        if (left)
            cells.push_back({*left, top, table.columnEdges[edge] - *left, bottom - top});
        left = table.columnEdges[edge];
    }
    return cells;
}

std::vector<GuideRule> guideRules(const GuideTable& table)
{
    std::vector<GuideRule> rules;
    const std::size_t rows = std::min(table.rows.size(), std::max<std::size_t>(table.horizontalRules.size(), 1) - 1);
    for (std::size_t edge = 0; edge < table.columnEdges.size(); ++edge)
        for (std::size_t row = 0; row < rows; ++row) {
            if (!edgeBounds(table, row, edge))
                continue;
            const bool goesOn = row > 0 && edgeBounds(table, row - 1, edge);
            if (goesOn)
                rules.back().bottom = table.horizontalRules[row + 1];
            else
                rules.push_back({table.columnEdges[edge], table.horizontalRules[row], table.horizontalRules[row + 1]});
        }
    return rules;
}

} // namespace app
