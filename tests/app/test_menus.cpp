// The five menus: one design, five rows of data.
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
};

void MenusTest::layout_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("topicLeft");
    QTest::addColumn<QString>("lastTopic");
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
    QFETCH(QString, lastTopic);
    TestScreens t;
    t->show("intro0");
    auto& menu = t->get<Menu>(QStringLiteral("menu%1").arg(number));
    QCOMPARE(menu.number(), number);
    QCOMPARE(menu.Label1.Caption(), QStringLiteral("Menu %1").arg(number));
    QCOMPARE(menu.Label1.Left(), 2797.5f);
    QCOMPARE(menu.BackColor(), QColor(49, 135, 215));
    QVERIFY(!menu.Picture().isNull());
    QCOMPARE(menu.Picture().cacheKey(), t->find("intro0")->Picture().cacheKey()); // the same picture
    QCOMPARE(menu.Command1.twips().top, 7950.f);
    QCOMPARE(menu.Label3(4).Caption(), lastTopic);
    for (int k = 0; k <= 4; ++k) {
        const float top = 2400 + 750 * k;
        QCOMPARE(menu.Label3(k).Left(), topicLeft);
        QCOMPARE(menu.Label3(k).Top(), top);
        QCOMPARE(menu.Label3(k).Width(), menu.Label3(0).Width());
        QCOMPARE(menu.Label2(k).Left(), 9600.f);
        QCOMPARE(menu.Label2(k).Top(), top);
        QCOMPARE(menu.Label2(k).Caption(), QStringLiteral("Menu %1").arg(k + 1));
        QVERIFY(menu.Label2(k).Visible() && menu.Label3(k).Visible());
        QVERIFY(menu.Label3(k).Opaque() && !menu.Label2(k).Opaque());
        QCOMPARE(menu.Label3(k).font().pixelSize(), 21);
    }
}

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
