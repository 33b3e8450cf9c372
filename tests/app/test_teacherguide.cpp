// The Teachers' Guide: paging by pointer and which pages are loaded after
// each step, the buttons each page offers, the document request, the tables'
// spanning cells, a menu going on to a further page, and every text fitting.
#include "app/guidepages.h"
#include "app/menu.h"
#include "app/openingscreen.h"
#include "app/teacherguide.h"
#include "support/testscreens.h"

#include <QFontMetrics>
#include <QTest>
#include <algorithm>

using app::TeacherGuide;

namespace {

QString pageName(int number) { return QStringLiteral("TeacherGuide%1").arg(number); }

void click(QWidget& widget)
{
    QVERIFY2(widget.isVisible(), qPrintable(widget.objectName() + " is not on view"));
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.rect().center());
}

// The opening screen with the guide opened from its link, as a teacher does.
TeacherGuide& openGuide(TestScreens& t)
{
    t->show("intro0");
    click(*t->get<app::OpeningScreen>("intro0").guideLink);
    return t->get<TeacherGuide>(pageName(0));
}

TeacherGuide& page(TestScreens& t, int number) { return t->get<TeacherGuide>(pageName(number)); }
int lastPage() { return static_cast<int>(app::guidePages().size()) - 1; }

// The program's guide with each menu listing its first five topics twice
// over, so that every menu's table goes on to a further page.
std::vector<app::GuidePage> grownGuide()
{
    std::vector<app::MenuData> menus = app::menuTable();
    for (std::size_t m = 0; m < menus.size(); ++m) {
        menus[m].topics.resize(5);
        menus[m].topics.insert(menus[m].topics.end(), app::menuTable()[m].topics.begin(), app::menuTable()[m].topics.begin() + 5);
    }
    return app::makeGuidePages(menus);
}

} // namespace

class TeacherGuideTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void pagingForwardAndBack();
    void pageButtonsAndExit_data();
    void pageButtonsAndExit();
    void documentIsAskedForThroughTheShell();
    void spanningCells_data();
    void spanningCells();
    void rowsComeFromTheTopics();
    void everyRowHasATextPerCellThatFits_data();
    void everyRowHasATextPerCellThatFits();
};

void TeacherGuideTest::pagingForwardAndBack()
{
    TestScreens t;
    openGuide(t);
    QCOMPARE(t->loadedNames(), (QStringList{pageName(0), "intro0"}));
    for (int number = 0; number < lastPage(); ++number) {
        click(page(t, number).commands(TeacherGuide::Next));
        TestScreens::flushDeletes();
        QCOMPARE(t->loadedNames(), (QStringList{pageName(number + 1), "intro0"}));
        QVERIFY(page(t, number + 1).isVisible());
        QCOMPARE(page(t, number + 1).backColor(), QColor(0, 0, 255));
        QCOMPARE(page(t, number + 1).texts(TeacherGuide::Indicator).caption(), QStringLiteral("Page %1 of %2").arg(number + 2).arg(lastPage() + 1));
    }
    for (int number = lastPage(); number > 0; --number) {
        click(page(t, number).commands(TeacherGuide::Previous));
        TestScreens::flushDeletes();
        QCOMPARE(t->loadedNames(), (QStringList{pageName(number - 1), "intro0"}));
    }
    // Loaded afresh each time: the first page is still whole.
    QCOMPARE(page(t, 0).texts(TeacherGuide::Indicator).caption(), QStringLiteral("Page 1 of %1").arg(lastPage() + 1));
}

void TeacherGuideTest::pageButtonsAndExit_data()
{
    QTest::addColumn<int>("steps");
    for (int steps = 0; steps <= lastPage(); ++steps)
        QTest::addRow("from page %d", steps + 1) << steps;
}

// Every page offers Exit, which leaves the guide; every page but the first
// "<< Previous Page"; every page but the last ">> Next Page"; the first alone
// the document.
void TeacherGuideTest::pageButtonsAndExit()
{
    QFETCH(int, steps);
    TestScreens t;
    openGuide(t);
    for (int number = 0; number < steps; ++number)
        click(page(t, number).commands(TeacherGuide::Next));
    TeacherGuide& guide = page(t, steps);
    QCOMPARE(guide.commands(TeacherGuide::Exit).caption(), QStringLiteral("Exit"));
    QCOMPARE(guide.commands.exists(TeacherGuide::Previous), steps > 0);
    if (steps > 0)
        QVERIFY(guide.commands(TeacherGuide::Previous).isVisible() &&
                guide.commands(TeacherGuide::Previous).caption() == QStringLiteral("<< Previous Page"));
    QCOMPARE(guide.commands(TeacherGuide::Next).isVisible(), steps < lastPage());
    QCOMPARE(guide.documentLink != nullptr, steps == 0);
    // The hidden ">> Next Page" of the last page does nothing even if reached.
    if (steps == lastPage())
        guide.follow(TeacherGuide::Next);
    click(guide.commands(TeacherGuide::Exit));
    TestScreens::flushDeletes();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    QVERIFY(t->get("intro0").isVisible());
}

void TeacherGuideTest::documentIsAskedForThroughTheShell()
{
    TestScreens t;
    TeacherGuide& first = openGuide(t);
    QVERIFY(first.documentLink);
    QCOMPARE(first.documentLink->caption(), QStringLiteral("Open Teachers' Guide as a Word Document"));
    click(*first.documentLink);
    click(*first.documentLink);
    QCOMPARE(t.fake->opened, (QStringList{"Teacher Guide.doc", "Teacher Guide.doc"}));
    QCOMPARE(t->loadedNames(), (QStringList{pageName(0), "intro0"}));
    QVERIFY(first.isVisible());
}

void TeacherGuideTest::spanningCells_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<float>>("rightEdges");
    QTest::newRow("menu 1 has three columns") << 1 << 0 << QList<float>{1680, 4920, 11880};
    QTest::newRow("menu 2 row 3 is split") << 2 << 2 << QList<float>{1680, 5400, 8280, 11880};
    QTest::newRow("menu 2 row 4 spans") << 2 << 3 << QList<float>{1680, 5400, 11880};
    QTest::newRow("menu 4 row 1 is split") << 4 << 0 << QList<float>{1800, 5280, 8400, 11880};
    QTest::newRow("menu 4 row 2 spans") << 4 << 1 << QList<float>{1800, 5280, 11880};
    QTest::newRow("menu 4 row 4 is split") << 4 << 3 << QList<float>{1800, 5280, 8400, 11880};
    QTest::newRow("menu 4 row 5 spans") << 4 << 4 << QList<float>{1800, 5280, 11880};
    QTest::newRow("menu 5 row 2 is split") << 5 << 1 << QList<float>{1560, 4320, 8520, 11880};
    QTest::newRow("menu 5 row 3 spans") << 5 << 2 << QList<float>{1560, 4320, 11880};
}

void TeacherGuideTest::spanningCells()
{
    QFETCH(int, menu);
    QFETCH(int, row);
    QFETCH(QList<float>, rightEdges);
    const auto& pages = app::guidePages();
    const int number = static_cast<int>(std::find_if(pages.begin(), pages.end(), [menu](const app::GuidePage& p) {
                                            return p.heading == QStringLiteral("Menu %1").arg(menu); }) - pages.begin());
    const app::GuideTable& table = pages[static_cast<std::size_t>(number)].table;
    QList<float> edges;
    float left = 120;
    for (const forms::TwipRect& cell : app::guideCells(table, row)) {
        QCOMPARE(cell.left, left);
        QCOMPARE(cell.top, table.horizontalRules[static_cast<std::size_t>(row)]);
        edges << cell.left + cell.width;
        left = cell.left + cell.width;
    }
    QCOMPARE(edges, rightEdges);

    // On screen, the cell's text label lies inside its cell.
    TestScreens t;
    TeacherGuide& guide = page(t, number);
    int index = 0;
    for (int r = 0; r < row; ++r)
        index += static_cast<int>(app::guideCells(table, r).size());
    const forms::Label& last = guide.cells(index + static_cast<int>(rightEdges.size()) - 1);
    QVERIFY(last.left() > rightEdges[rightEdges.size() - 2]);
    QVERIFY(last.left() + last.twipWidth() < rightEdges.back());
}

// A page for each menu, and a further one with the same heading and table,
// rows as high, for topics beyond the rows of its table; a topic's own guide
// texts make its row, after its title.
void TeacherGuideTest::rowsComeFromTheTopics()
{
    const activity::Topic topic{2, 0, "Optics", {}, false, {"Bend light.", "Use a prism.", "Try lenses."}, {}, {}};
    const std::vector<app::MenuData> menus{{"menu1", "Menu 1", 4455, {}}, {"menu2", "Menu 2", 4455, {6, &topic}}};
    const std::vector<app::GuidePage> pages = app::makeGuidePages(menus);
    QCOMPARE(pages.size(), std::size_t(4));
    QVERIFY(pages[3].indicator == QStringLiteral("Page 4 of 4") && pages[3].heading == QStringLiteral("Menu 2"));
    QVERIFY(pages[3].table.rows == (std::vector<std::vector<QString>>{{"Optics", "Bend light.", "Use a prism.", "Try lenses."}}));
    QCOMPARE(app::guideCells(pages[3].table, 0).size(), std::size_t(4));
    QVERIFY(pages[3].table.columnEdges == pages[2].table.columnEdges && pages[3].table.horizontalRules[1] == pages[2].table.horizontalRules[1]);
}

void TeacherGuideTest::everyRowHasATextPerCellThatFits_data()
{
    QTest::addColumn<bool>("grown");
    QTest::addColumn<int>("number");
    for (const bool grown : {false, true})
        for (int number = 0; number < static_cast<int>((grown ? grownGuide() : app::guidePages()).size()); ++number)
            QTest::addRow("%s page %d", grown ? "grown guide" : "guide", number + 1) << grown << number;
}

// A row's texts each have a cell, and every caption, wrapped as the label
// wraps it, lies inside the label's box.
void TeacherGuideTest::everyRowHasATextPerCellThatFits()
{
    QFETCH(bool, grown);
    QFETCH(int, number);
    const std::vector<app::GuidePage> pages = grown ? grownGuide() : app::guidePages();
    const app::GuideTable& table = pages[static_cast<std::size_t>(number)].table;
    QCOMPARE(table.rows.empty(), number == 0);
    QCOMPARE(table.horizontalRules.size(), table.rows.size() + (number == 0 ? 0 : 1));
    QCOMPARE(app::guideColumns(table).size(), table.columns.size());
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        QVERIFY(app::guideCells(table, static_cast<int>(r)).size() == table.rows[r].size() &&
                std::none_of(table.rows[r].begin(), table.rows[r].end(), [](const QString& text) { return text.trimmed().isEmpty(); }));
    TestScreens t;
    t->add(pageName(number), [&](forms::Screens& s) { return std::make_unique<TeacherGuide>(s, number, pages); });
    t->show(pageName(number));
    int checked = 0;
    for (const forms::Label* label : page(t, number).findChildren<forms::Label*>()) {
        const QRect box = label->rect().adjusted(label->hasBorder() ? 2 : 0, label->hasBorder() ? 2 : 0,
                                                 label->hasBorder() ? -2 : 0, label->hasBorder() ? -2 : 0);
        const int horizontal = label->alignment() == forms::Label::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, box.width(), 10000), horizontal | Qt::AlignTop | Qt::TextWordWrap,
                                               label->caption());
        const QString what = QStringLiteral("%1(%2) \"%3\" needs %4 x %5 in %6 x %7")
                                 .arg(label->name()).arg(label->index()).arg(label->caption().left(40))
                                 .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height());
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(), qPrintable(what));
        ++checked;
    }
    QVERIFY(checked >= 11);
}

QTEST_MAIN(TeacherGuideTest)
#include "test_teacherguide.moc"
