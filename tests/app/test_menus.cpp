// The menus: one design, a row of data each, as long as its topics.
#include "app/menu.h"
#include "support/testscreens.h"

#include <QTest>

using app::Menu;

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void layout_data();
    void layout();
    void growsWithItsTopics_data();
    void growsWithItsTopics();
};

void MenusTest::layout_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("topicLeft");
    QTest::addColumn<QString>("fifthTopic");
    QTest::newRow("menu1") << 1 << 3772.5f << "Efficiency Calculations";
    QTest::newRow("menu2") << 2 << 3532.5f << "Energy Calculations";
    QTest::newRow("menu3") << 3 << 3712.5f << "Sound";
    QTest::newRow("menu4") << 4 << 3832.5f << "Calculating Moments";
    QTest::newRow("menu5") << 5 << 4012.5f << "The Big Bang";
}

void MenusTest::layout()
{
    QFETCH(int, number);
    QFETCH(float, topicLeft);
    QFETCH(QString, fifthTopic);
    TestScreens t;
    t->show("intro0");
    auto& menu = t->get<Menu>(QStringLiteral("menu%1").arg(number));
    QCOMPARE(menu.number(), number);
    QCOMPARE(menu.title.caption(), QStringLiteral("Menu %1").arg(number));
    QCOMPARE(menu.title.left(), 2797.5f);
    QCOMPARE(menu.backColor(), QColor(49, 135, 215));
    QVERIFY(!menu.picture().isNull());
    QCOMPARE(menu.picture().cacheKey(), t->find("intro0")->picture().cacheKey()); // the same picture
    QCOMPARE(menu.exitButton.twips().top, 7950.f);
    QCOMPARE(menu.topics(4).caption(), fifthTopic);
    QCOMPARE(menu.topics.count(), static_cast<int>(app::menuTable()[static_cast<std::size_t>(number - 1)].topics.size()));
    QCOMPARE(menu.menuLinks.count(), static_cast<int>(app::menuTable().size()));
    for (int k = 0; k < menu.topics.count(); ++k) {
        QCOMPARE(QPointF(menu.topics(k).left(), menu.topics(k).top()), QPointF(topicLeft, 2400 + 750 * k));
        QCOMPARE(menu.topics(k).twipWidth(), menu.topics(0).twipWidth());
        QVERIFY(!menu.topics(k).isHidden() && menu.topics(k).isOpaque());
        QCOMPARE(menu.topics(k).font().pixelSize(), 21);
    }
    for (int k = 0; k < menu.menuLinks.count(); ++k) {
        QCOMPARE(QPointF(menu.menuLinks(k).left(), menu.menuLinks(k).top()), QPointF(9600, 2400 + 750 * k));
        QCOMPARE(menu.menuLinks(k).caption(), QStringLiteral("Menu %1").arg(k + 1));
        QVERIFY(!menu.menuLinks(k).isHidden() && !menu.menuLinks(k).isOpaque());
    }
}

// A topic more lays out its own row; rows that would reach the buttons at
// the foot go on in a second column.
void MenusTest::growsWithItsTopics_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QPointF>("lastAt");
    QTest::newRow("a sixth row") << 6 << QPointF(3772.5, 6150);
    QTest::newRow("a second column") << 8 << QPointF(4972.5, 2400);
}

void MenusTest::growsWithItsTopics()
{
    QFETCH(int, count);
    QFETCH(QPointF, lastAt);
    activity::Topics topics;
    for (int row = 0; row < count; ++row)
        topics.push_back({1, row, QString::number(row), {}, false, {}, {}, {}});
    std::vector<app::MenuData> menus = app::makeMenus(topics);
    menus[0].screen = QStringLiteral("grown");
    TestScreens t;
    t->add("grown", [&](forms::Screens& s) { return std::make_unique<Menu>(s, menus, 1); });
    auto& menu = t.open<Menu>(QStringLiteral("grown"));
    const forms::Label& last = menu.topics(count - 1);
    QCOMPARE(menu.topics.count(), count);
    QCOMPARE(last.caption(), QString::number(count - 1));
    QCOMPARE(QPointF(last.left(), last.top()), lastAt);
    QVERIFY(!last.isHidden() && !menu.topics(0).isHidden());
    QCOMPARE(menu.menuLinks.count(), 1);
}

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
