// The Teachers' Guide: paging by pointer and which pages are loaded after
// each step, the buttons each page offers, the document request, the tables'
// spanning cells, and every text fitting its box.
#include "app/guidepages.h"
#include "app/menu.h"
#include "app/openingscreen.h"
#include "app/teacherguide.h"
#include "support/testscreens.h"

#include <QFontMetrics>
#include <QTest>

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

} // namespace

class TeacherGuideTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void pagingForwardAndBack();
    void pageButtons_data();
    void pageButtons();
    void exitFromAnyPage_data();
    void exitFromAnyPage();
    void documentIsAskedForThroughTheShell();
    void spanningCells_data();
    void spanningCells();
    void everyRowHasATextPerCell();
    void rowsComeFromTheTopics();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
};

void TeacherGuideTest::pagingForwardAndBack()
{
    TestScreens t;
    openGuide(t);
    QCOMPARE(t->loadedNames(), (QStringList{pageName(0), "intro0"}));
    for (int number = 0; number < 5; ++number) {
        click(page(t, number).commands(TeacherGuide::Next));
        TestScreens::flushDeletes();
        QCOMPARE(t->loadedNames(), (QStringList{pageName(number + 1), "intro0"}));
        QVERIFY(page(t, number + 1).isVisible());
        QCOMPARE(page(t, number + 1).BackColor(), QColor(0, 0, 255));
        QCOMPARE(page(t, number + 1).texts(TeacherGuide::Indicator).Caption(), QStringLiteral("Page %1 of 6").arg(number + 2));
    }
    for (int number = 5; number > 0; --number) {
        click(page(t, number).commands(TeacherGuide::Previous));
        TestScreens::flushDeletes();
        QCOMPARE(t->loadedNames(), (QStringList{pageName(number - 1), "intro0"}));
    }
    // Loaded afresh each time: the first page is still whole.
    QCOMPARE(page(t, 0).texts(TeacherGuide::Indicator).Caption(), QStringLiteral("Page 1 of 6"));
}

void TeacherGuideTest::pageButtons_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("hasPrevious");
    QTest::addColumn<bool>("nextOnView");
    QTest::addColumn<bool>("hasDocumentButton");
    QTest::newRow("page 1") << 0 << false << true << true;
    QTest::newRow("page 2") << 1 << true << true << false;
    QTest::newRow("page 5") << 4 << true << true << false;
    QTest::newRow("page 6") << 5 << true << false << false;
}

void TeacherGuideTest::pageButtons()
{
    QFETCH(int, number);
    QFETCH(bool, hasPrevious);
    QFETCH(bool, nextOnView);
    QFETCH(bool, hasDocumentButton);
    TestScreens t;
    t->show(pageName(number));
    TeacherGuide& guide = page(t, number);
    QCOMPARE(guide.commands(TeacherGuide::Exit).Caption(), QStringLiteral("Exit"));
    QVERIFY(guide.commands(TeacherGuide::Exit).isVisible());
    QCOMPARE(guide.commands.exists(TeacherGuide::Previous), hasPrevious);
    if (hasPrevious) {
        QVERIFY(guide.commands(TeacherGuide::Previous).isVisible());
        QCOMPARE(guide.commands(TeacherGuide::Previous).Caption(), QStringLiteral("<< Previous Page"));
    }
    QCOMPARE(guide.commands(TeacherGuide::Next).isVisible(), nextOnView);
    QCOMPARE(guide.documentLink != nullptr, hasDocumentButton);
    // The hidden ">> Next Page" of the last page does nothing even if reached.
    guide.follow(TeacherGuide::Next);
    QCOMPARE(t->isLoaded(pageName(number)), !nextOnView);
}

void TeacherGuideTest::exitFromAnyPage_data()
{
    QTest::addColumn<int>("steps");
    for (int steps = 0; steps <= 5; ++steps)
        QTest::addRow("from page %d", steps + 1) << steps;
}

void TeacherGuideTest::exitFromAnyPage()
{
    QFETCH(int, steps);
    TestScreens t;
    openGuide(t);
    for (int number = 0; number < steps; ++number)
        click(page(t, number).commands(TeacherGuide::Next));
    click(page(t, steps).commands(TeacherGuide::Exit));
    TestScreens::flushDeletes();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    QVERIFY(t->get("intro0").isVisible());
}

void TeacherGuideTest::documentIsAskedForThroughTheShell()
{
    TestScreens t;
    TeacherGuide& first = openGuide(t);
    QVERIFY(first.documentLink);
    QCOMPARE(first.documentLink->Caption(), QStringLiteral("Open Teachers' Guide as a Word Document"));
    click(*first.documentLink);
    click(*first.documentLink);
    QCOMPARE(t.fake->opened, (QStringList{"Teacher Guide.doc", "Teacher Guide.doc"}));
    QCOMPARE(t->loadedNames(), (QStringList{pageName(0), "intro0"}));
    QVERIFY(first.isVisible());
}

void TeacherGuideTest::spanningCells_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<float>>("rightEdges");
    QTest::newRow("page 2 has three columns") << 1 << 0 << QList<float>{1680, 4920, 11880};
    QTest::newRow("page 3 row 3 is split") << 2 << 2 << QList<float>{1680, 5400, 8280, 11880};
    QTest::newRow("page 3 row 4 spans") << 2 << 3 << QList<float>{1680, 5400, 11880};
    QTest::newRow("page 5 row 1 is split") << 4 << 0 << QList<float>{1800, 5280, 8400, 11880};
    QTest::newRow("page 5 row 2 spans") << 4 << 1 << QList<float>{1800, 5280, 11880};
    QTest::newRow("page 5 row 4 is split") << 4 << 3 << QList<float>{1800, 5280, 8400, 11880};
    QTest::newRow("page 5 row 5 spans") << 4 << 4 << QList<float>{1800, 5280, 11880};
    QTest::newRow("page 6 row 2 is split") << 5 << 1 << QList<float>{1560, 4320, 8520, 11880};
    QTest::newRow("page 6 row 3 spans") << 5 << 2 << QList<float>{1560, 4320, 11880};
}

void TeacherGuideTest::spanningCells()
{
    QFETCH(int, number);
    QFETCH(int, row);
    QFETCH(QList<float>, rightEdges);
    const app::GuideTable& table = app::guidePages()[static_cast<std::size_t>(number)].table;
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
    QVERIFY(last.Left() > rightEdges[rightEdges.size() - 2]);
    QVERIFY(last.Left() + last.Width() < rightEdges.back());
}

void TeacherGuideTest::everyRowHasATextPerCell()
{
    for (const app::GuidePage& page : app::guidePages()) {
        const app::GuideTable& table = page.table;
        if (page.screen == pageName(0)) {
            QVERIFY(table.rows.empty());
            continue;
        }
        QCOMPARE(table.horizontalRules.size(), table.rows.size() + 1);
        QCOMPARE(app::guideColumns(table).size(), table.columns.size());
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            QCOMPARE(app::guideCells(table, static_cast<int>(r)).size(), table.rows[r].size());
            for (const QString& text : table.rows[r])
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(page.screen));
        }
    }
}

// A page for each menu; a topic's own guide texts make its row, after its title.
void TeacherGuideTest::rowsComeFromTheTopics()
{
    const activity::Topic topic{2, 0, "Optics", {}, false, {"Bend light.", "Use a prism.", "Try lenses."}, {}, {}};
    const std::vector<app::MenuData> menus{{"menu1", "Menu 1", 4455, {}}, {"menu2", "Menu 2", 4455, {&topic}}};
    const std::vector<app::GuidePage> pages = app::makeGuidePages(menus);
    QCOMPARE(pages.size(), std::size_t(3));
    QCOMPARE(pages[2].indicator, QStringLiteral("Page 3 of 3"));
    QVERIFY(pages[2].table.rows == (std::vector<std::vector<QString>>{{"Optics", "Bend light.", "Use a prism.", "Try lenses."}}));
    QCOMPARE(app::guideCells(pages[2].table, 0).size(), std::size_t(4));
}

void TeacherGuideTest::textsFitTheirBoxes_data()
{
    QTest::addColumn<int>("number");
    for (int number = 0; number < 6; ++number)
        QTest::addRow("page %d", number + 1) << number;
}

// Every caption, wrapped as the label wraps it, lies inside the label's box.
void TeacherGuideTest::textsFitTheirBoxes()
{
    QFETCH(int, number);
    TestScreens t;
    t->show(pageName(number));
    int checked = 0;
    for (const forms::Label* label : page(t, number).findChildren<forms::Label*>()) {
        const QRect box = label->rect().adjusted(label->Border() ? 2 : 0, label->Border() ? 2 : 0,
                                                 label->Border() ? -2 : 0, label->Border() ? -2 : 0);
        const int horizontal = label->Alignment() == forms::Label::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, box.width(), 10000), horizontal | Qt::AlignTop | Qt::TextWordWrap,
                                               label->Caption());
        const QString what = QStringLiteral("%1(%2) \"%3\" needs %4 x %5 in %6 x %7")
                                 .arg(label->name()).arg(label->index()).arg(label->Caption().left(40))
                                 .arg(needed.width()).arg(needed.height()).arg(box.width()).arg(box.height());
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(), qPrintable(what));
        ++checked;
    }
    QVERIFY(checked >= (number == 0 ? 11 : 20));
}

QTEST_MAIN(TeacherGuideTest)
#include "test_teacherguide.moc"
