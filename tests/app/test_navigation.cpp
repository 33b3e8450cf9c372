// Moving through the program: which screens are loaded after each step, the
// backdrop across a return through the title screen, and the way out.
#include "app/grey.h"
#include "app/intro0.h"
#include "activity/catalogue.h"
#include "app/menu.h"
#include "activity/module1.h"
#include "app/titlefrm.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using app::Intro0;
using app::Menu;
using app::Titlefrm;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void titleScreenIsCentredAtItsOwnSize();
    void titleScreenWithoutItsPictureFallsBackToFullSize();
    void roadThroughTheProgram();
    void menuLinks_data();
    void menuLinks();
    void ownMenuLinkDoesNothing();
    void hideDesktopSurvivesAReturnThroughTheTitle();
    void untickingRemovesTheBackdrop();
    void webLinkGoesToTheShell();
    void insulationPicksAtRandom_data();
    void insulationPicksAtRandom();
    void everyTopicOpensItsActivityOrNothingYet();
    void exitingAnActivityBringsBackItsMenu();
    void hoverHighlightsOnTheOpeningScreen();
    void hoverHighlightsOnAMenu();
};

void NavigationTest::titleScreenIsCentredAtItsOwnSize()
{
    TestScreens t;
    auto& title = t->get<Titlefrm>("Titlefrm");
    QCOMPARE(title.Width(), 5460.f);
    QCOMPARE(title.Left(), 15360 / 2.f - 5460 / 2.f);
    QCOMPARE(title.Top(), 11520 / 2.f - 6570 / 2.f);
    QVERIFY(!title.Picture1.Picture().isNull());
    QCOMPARE(title.Command1.Caption(), QStringLiteral("OK"));
}

void NavigationTest::titleScreenWithoutItsPictureFallsBackToFullSize()
{
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    TestScreens t;
    auto& title = t->get<Titlefrm>("Titlefrm");
    QDir::setCurrent(home);
    QCOMPARE(title.Width(), 12000.f);
    QCOMPARE(title.Left(), 1680.f);
    QCOMPARE(title.Picture1.BackColor(), QColor(49, 135, 214));
    QVERIFY(title.Picture1.Picture().isNull());
    // The buttons still work.
    title.Command1_Click();
    QVERIFY(t->isLoaded("intro0"));
}

void NavigationTest::roadThroughTheProgram()
{
    TestScreens t;
    t->show("Titlefrm");
    QCOMPARE(t->loadedNames(), QStringList{"Titlefrm"});
    t->get<Titlefrm>("Titlefrm").Command1_Click();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    auto& intro = t->get<Intro0>("intro0");
    for (int k = 0; k <= 4; ++k)
        QCOMPARE(intro.Label2(k).Caption(), QStringLiteral("Menu %1").arg(k + 1));
    intro.Label2_Click(4);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu5"}));
    t->get<Menu>("menu5").Label3_Click(1);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu5", "nakedeye"}));
    t->get("nakedeye");
    t->unload("nakedeye");
    t->get<Menu>("menu5").Command1_Click();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    intro.Command1_Click();
    QCOMPARE(t->loadedNames(), QStringList{"Titlefrm"});
    auto& title = t->get<Titlefrm>("Titlefrm");
    QCOMPARE(title.Command1.Caption(), QStringLiteral("Cancel"));
    title.Command2_Click();
    QCOMPARE(t.fake->quits, 1);
    // Loaded afresh, the title reads "OK" again.
    t->unload("Titlefrm");
    QCOMPARE(t->get<Titlefrm>("Titlefrm").Command1.Caption(), QStringLiteral("OK"));
}

void NavigationTest::menuLinks_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("link");
    for (int from = 1; from <= 5; ++from)
        for (int link = 0; link <= 4; ++link)
            if (link + 1 != from)
                QTest::addRow("menu%d to menu%d", from, link + 1) << from << link;
}

void NavigationTest::menuLinks()
{
    QFETCH(int, from);
    QFETCH(int, link);
    TestScreens t;
    t->get<Intro0>("intro0").Label2_Click(from - 1);
    t->get<Menu>(QStringLiteral("menu%1").arg(from)).Label2_Click(link);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", QStringLiteral("menu%1").arg(link + 1)}));
    t->get<Menu>(QStringLiteral("menu%1").arg(link + 1)).Command1_Click();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
}

void NavigationTest::ownMenuLinkDoesNothing()
{
    TestScreens t;
    t->show("intro0");
    t->show("menu3");
    auto* before = t->find("menu3");
    t->get<Menu>("menu3").Label2_Click(2);
    QCOMPARE(t->find("menu3"), before);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu3"}));
}

void NavigationTest::hideDesktopSurvivesAReturnThroughTheTitle()
{
    TestScreens t;
    auto& intro = t->get<Intro0>("intro0");
    QVERIFY(!Module1::HideDesktop.has_value());
    QCOMPARE(intro.Check1.Value(), 0);
    QVERIFY(!t->isLoaded("Grey"));
    intro.Check1.setValue(1);
    QCOMPARE(*Module1::HideDesktop, qint16(1));
    auto* grey = t->find("Grey");
    QVERIFY(grey && grey->isVisible());
    QCOMPARE(grey->BackColor(), QColor(48, 133, 214));
    QCOMPARE(grey->geometry(), QRect(0, 0, 1024, 768));
    intro.Label2_Click(0);
    intro.Command1_Click();
    t->get<Titlefrm>("Titlefrm").Command1_Click();
    auto& again = t->get<Intro0>("intro0");
    QCOMPARE(again.Check1.Value(), 1);
    QCOMPARE(t->find("Grey"), grey); // the same backdrop, not a new one
}

void NavigationTest::untickingRemovesTheBackdrop()
{
    TestScreens t;
    auto& intro = t->get<Intro0>("intro0");
    intro.Check1.setValue(1);
    intro.Label2_Click(1);
    QVERIFY(t->isLoaded("Grey"));
    intro.Check1.setValue(0);
    QCOMPARE(*Module1::HideDesktop, qint16(0));
    QVERIFY(!t->isLoaded("Grey"));
    QVERIFY(t->isLoaded("intro0") && t->isLoaded("menu2"));
}

void NavigationTest::webLinkGoesToTheShell()
{
    TestScreens t;
    auto& intro = t->get<Intro0>("intro0");
    intro.Label2_Click(6);
    QCOMPARE(t.fake->opened, QStringList{Intro0::WebAddress});
    QVERIFY(Intro0::WebAddress.contains(QLatin1String(".example")));
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
}

void NavigationTest::insulationPicksAtRandom_data()
{
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("opens");
    QTest::newRow("0.0") << 0.0 << "thermal";
    QTest::newRow("0.3333") << 0.3333 << "thermal";
    QTest::newRow("0.3334") << 0.3334 << "house";
    QTest::newRow("0.6667") << 0.6667 << "thermos";
    QTest::newRow("0.9999") << 0.9999 << "thermos";
}

void NavigationTest::insulationPicksAtRandom()
{
    QFETCH(double, draw);
    QFETCH(QString, opens);
    TestScreens t;
    for (const char* name : {"thermal", "house", "thermos"})
        if (!t->knows(name))
            t->add(name, [name](forms::Screens& s) { return std::make_unique<forms::Screen>(s, name); });
    t->show("menu1");
    t.fake->draws = {draw};
    t->get<Menu>("menu1").Label3_Click(2);
    QVERIFY(t->isLoaded(opens));
    QCOMPARE(t->loadedNames().size(), 2); // menu1 and the one chosen
}

void NavigationTest::everyTopicOpensItsActivityOrNothingYet()
{
    for (const activity::Topic& topic : activity::catalogue()) {
        TestScreens t;
        const QString menu = QStringLiteral("menu%1").arg(topic.menu);
        t->show(menu);
        t->get<Menu>(menu).Label3_Click(topic.row);
        QStringList expected{menu};
        if (topic.built)
            expected << topic.screens.front(); // the scripted random source draws 0
        QStringList loaded = t->loadedNames();
        loaded.sort();
        expected.sort();
        QVERIFY2(loaded == expected, qPrintable(topic.title + ": " + loaded.join(", ")));
        t.flushDeletes();
    }
}

void NavigationTest::exitingAnActivityBringsBackItsMenu()
{
    TestScreens t;
    t->show("intro0");
    t->show("menu5");
    auto& menu = t->get<Menu>("menu5");
    menu.Label2_MouseMove(3);
    menu.Label3_Click(1);
    QVERIFY(t->isLoaded("nakedeye"));
    t->unload("nakedeye");
    QVERIFY(menu.isVisible());
    QVERIFY(menu.Label2(3).Opaque()); // highlights as they were
}

void NavigationTest::hoverHighlightsOnTheOpeningScreen()
{
    TestScreens t;
    auto& intro = t->get<Intro0>("intro0");
    QVERIFY(pointer::showAndWait(intro));
    QVERIFY(intro.Label2(7).Opaque()); // "Teachers' Guide" opaque from load
    QVERIFY(!intro.Label1.Opaque());
    pointer::hover(intro.Label2(2), QPoint(10, 10));
    QVERIFY(intro.Label2(2).Opaque());
    pointer::hover(intro.Label1, QPoint(10, 10));
    QVERIFY(intro.Label1.Opaque() && intro.Label2(2).Opaque());
    pointer::hover(intro, QPoint(400, 300));
    for (int k : {0, 1, 2, 3, 4, 7})
        QVERIFY(!intro.Label2(k).Opaque());
    QVERIFY(!intro.Label1.Opaque());
    QVERIFY(intro.Label2(6).Opaque()); // the web address stays opaque
}

void NavigationTest::hoverHighlightsOnAMenu()
{
    TestScreens t;
    auto& menu = t->get<Menu>("menu2");
    QVERIFY(pointer::showAndWait(menu));
    QVERIFY(menu.Label1.Opaque());
    pointer::hover(menu.Label2(0), QPoint(10, 10));
    QVERIFY(menu.Label2(0).Opaque());
    pointer::hover(menu.Label3(1), QPoint(10, 10));
    QVERIFY(menu.Label2(0).Opaque());
    pointer::hover(menu, QPoint(400, 580));
    QVERIFY(!menu.Label1.Opaque() && !menu.Label2(0).Opaque());
    for (int k = 0; k <= 4; ++k)
        QVERIFY(menu.Label3(k).Opaque());
}

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
