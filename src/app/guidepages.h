#pragma once
// The texts and tables of the Teachers' Guide pages: a first page, then for
// each menu a page with a row for each of its topics, in the words the topic
// gives; a menu with more topics than its table has rows goes on to a further
// page with the same table. The guide screens show them and the build writes
// the guide document from them, so the two always say the same thing.

#include "forms/twips.h"

#include <QString>
#include <vector>

namespace app {

// A vertical rule of an activity table, in twips of the page.
struct GuideRule {
    float x, top, bottom;
};

// A ruled table: its column headings, the edges of its columns, its rows'
// rules, and per row the texts of its cells from left to right. A row with
// fewer texts than columns gives its last text the rest of the row.
struct GuideTable {
    std::vector<QString> columns;
    std::vector<float> columnEdges;      // left to right, one more than the columns
    std::vector<float> horizontalRules;  // top to bottom; rows lie between them
    std::vector<std::vector<QString>> rows;
};

struct GuidePage {
    QString screen;    // "TeacherGuide0", then one for each page that follows
    QString indicator; // "Page 1 of 6"
    QString heading;   // the menu it describes; empty on the first page
    GuideTable table;  // empty on the first page
};

// The first page's texts.
struct GuideIntro {
    QString support;
    QString contactHeading;
    QString address;
    QString contacts;
    QString about;
    QString opening;
    QString documentButton;
};

inline const QString GuideTitle = QStringLiteral("Teachers' Guide");
inline const QString GuideDocument = QStringLiteral("Teacher Guide.doc");
inline const QString ProductTitle = QStringLiteral("Physics Year 10 Tavrenel");

struct MenuData;

// The first page, then the pages of each of `menus` in turn.
std::vector<GuidePage> makeGuidePages(const std::vector<MenuData>& menus);
// The page on making and sharing activities.
GuidePage ownActivitiesPage();
// The program's guide: the pages for its menus, then the page on making and
// sharing activities.
const std::vector<GuidePage>& guidePages();
const GuideIntro& guideIntro();

// The column boxes of a table, between neighbouring rules, from the top of the
// first row to the bottom of the last.
std::vector<forms::TwipRect> guideColumns(const GuideTable& table);

// The cell boxes of row `row`, left to right: one for each of its texts, up
// to one for each column.
std::vector<forms::TwipRect> guideCells(const GuideTable& table, int row);

// The vertical rules to draw, left to right: at each column edge, one rule
// down each run of rows in which that edge bounds a cell.
std::vector<GuideRule> guideRules(const GuideTable& table);

} // namespace app
