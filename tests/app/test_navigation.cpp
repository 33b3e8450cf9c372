// Moving through the program: which screens are loaded after each step, the
// backdrop across a return through the title screen, and the way out.
#include "activity/setup.h"
#include "app/backdrop.h"
#include "app/catalogue.h"
#include "app/menu.h"
#include "app/openingscreen.h"
#include "app/titlescreen.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using app::OpeningScreen;
using app::Menu;
using app::TitleScreen;

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
    void everyTopicOpensItsActivity();
    void exitingAnActivityBringsBackItsMenu();
    void hoverHighlightsOnTheOpeningScreen();
    void hoverHighlightsOnAMenu();
};

void NavigationTest::titleScreenIsCentredAtItsOwnSize()
{
    TestScreens t;
    auto& title = t->get<TitleScreen>(TitleScreen::Id);
    QCOMPARE(title.twipWidth(), 5460.f);
    QCOMPARE(title.left(), 15360 / 2.f - 5460 / 2.f);
    QCOMPARE(title.top(), 11520 / 2.f - 6570 / 2.f);
    QVERIFY(!title.picture.picture().isNull());
    QCOMPARE(title.okButton.caption(), QStringLiteral("OK"));
}

void NavigationTest::titleScreenWithoutItsPictureFallsBackToFullSize()
{
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    TestScreens t;
    auto& title = t->get<TitleScreen>(TitleScreen::Id);
    QDir::setCurrent(home);
    QCOMPARE(title.twipWidth(), 12000.f);
    QCOMPARE(title.left(), 1680.f);
    QCOMPARE(title.picture.backColor(), QColor(49, 135, 214));
    QVERIFY(title.picture.picture().isNull());
    // The buttons still work.
    title.goToOpeningScreen();
    QVERIFY(t->isLoaded("intro0"));
}

void NavigationTest::roadThroughTheProgram()
{
    TestScreens t;
    t->show("Titlefrm");
    QCOMPARE(t->loadedNames(), QStringList{"Titlefrm"});
    t->get<TitleScreen>(TitleScreen::Id).goToOpeningScreen();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    auto& intro = t->get<OpeningScreen>(OpeningScreen::Id);
    for (int k = 0; k <= 4; ++k)
        QCOMPARE(intro.menuLinks(k).caption(), QStringLiteral("Menu %1").arg(k + 1));
    intro.openMenu(4);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu5"}));
    t->get<Menu>("menu5").openTopic(1);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu5", "nakedeye"}));
    t->get("nakedeye");
    t->unload("nakedeye");
    t->get<Menu>("menu5").backToOpeningScreen();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
    intro.askBeforeExit();
    QCOMPARE(t->loadedNames(), QStringList{"Titlefrm"});
    auto& title = t->get<TitleScreen>(TitleScreen::Id);
    QCOMPARE(title.okButton.caption(), QStringLiteral("Cancel"));
    title.exitProgram();
    QCOMPARE(t.fake->quits, 1);
    // Loaded afresh, the title reads "OK" again.
    t->unload("Titlefrm");
    QCOMPARE(t->get<TitleScreen>(TitleScreen::Id).okButton.caption(), QStringLiteral("OK"));
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
    t->get<OpeningScreen>(OpeningScreen::Id).openMenu(from - 1);
    t->get<Menu>(QStringLiteral("menu%1").arg(from)).openMenu(link);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", QStringLiteral("menu%1").arg(link + 1)}));
    t->get<Menu>(QStringLiteral("menu%1").arg(link + 1)).backToOpeningScreen();
    QCOMPARE(t->loadedNames(), QStringList{"intro0"});
}

void NavigationTest::ownMenuLinkDoesNothing()
{
    TestScreens t;
    t->show("intro0");
    t->show("menu3");
    auto* before = t->find("menu3");
    t->get<Menu>("menu3").openMenu(2);
    QCOMPARE(t->find("menu3"), before);
    QCOMPARE(t->loadedNames(), (QStringList{"intro0", "menu3"}));
}

void NavigationTest::hideDesktopSurvivesAReturnThroughTheTitle()
{
    TestScreens t;
    auto& intro = t->get<OpeningScreen>(OpeningScreen::Id);
    QVERIFY(!activity::hidesDesktop(*t));
    QCOMPARE(intro.hideDesktop.value(), 0);
    QVERIFY(!t->isLoaded(app::Backdrop::Id));
    intro.hideDesktop.setValue(1);
    QVERIFY(activity::hidesDesktop(*t));
    auto* grey = t->find(app::Backdrop::Id);
    QVERIFY(grey && grey->isVisible());
    QCOMPARE(grey->backColor(), QColor(48, 133, 214));
    QCOMPARE(grey->geometry(), QRect(0, 0, 1024, 768));
    intro.openMenu(0);
    intro.askBeforeExit();
    t->get<TitleScreen>(TitleScreen::Id).goToOpeningScreen();
    auto& again = t->get<OpeningScreen>(OpeningScreen::Id);
    QCOMPARE(again.hideDesktop.value(), 1);
    QCOMPARE(t->find(app::Backdrop::Id), grey); // the same backdrop, not a new one
}

void NavigationTest::untickingRemovesTheBackdrop()
{
    TestScreens t;
    auto& intro = t->get<OpeningScreen>(OpeningScreen::Id);
    intro.hideDesktop.setValue(1);
    intro.openMenu(1);
    QVERIFY(t->isLoaded(app::Backdrop::Id));
    intro.hideDesktop.setValue(0);
    QVERIFY(!activity::hidesDesktop(*t));
    QVERIFY(!t->isLoaded(app::Backdrop::Id));
    QVERIFY(t->isLoaded("intro0") && t->isLoaded("menu2"));
}

void NavigationTest::webLinkGoesToTheShell()
{
    TestScreens t;
    auto& intro = t->get<OpeningScreen>(OpeningScreen::Id);
    intro.openWebSite();
    QCOMPARE(t.fake->opened, QStringList{OpeningScreen::WebAddress});
    QVERIFY(OpeningScreen::WebAddress.contains(QLatin1String(".example")));
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
    t->get<Menu>("menu1").openTopic(2);
    QVERIFY(t->isLoaded(opens));
    QCOMPARE(t->loadedNames().size(), 2); // menu1 and the one chosen
}

void NavigationTest::everyTopicOpensItsActivity()
{
    for (const activity::Topic& topic : app::catalogue()) {
        TestScreens t;
        const QString menu = QStringLiteral("menu%1").arg(topic.menu);
        t->show(menu);
        t->get<Menu>(menu).openTopic(topic.row);
        QStringList expected{menu, topic.screens.front()}; // the scripted random source draws 0
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
    emit menu.menuLinks.moved(3, forms::MouseArgs{});
    menu.openTopic(1);
    QVERIFY(t->isLoaded("nakedeye"));
    t->unload("nakedeye");
    QVERIFY(menu.isVisible());
    QVERIFY(menu.menuLinks(3).isOpaque()); // highlights as they were
}

void NavigationTest::hoverHighlightsOnTheOpeningScreen()
{
    TestScreens t;
    auto& intro = t->get<OpeningScreen>(OpeningScreen::Id);
    QVERIFY(pointer::showAndWait(intro));
    QVERIFY(intro.guideLink->isOpaque()); // "Teachers' Guide" opaque from load
    QVERIFY(!intro.title.isOpaque());
    pointer::hover(intro.menuLinks(2), QPoint(10, 10));
    QVERIFY(intro.menuLinks(2).isOpaque());
    pointer::hover(intro.title, QPoint(10, 10));
    QVERIFY(intro.title.isOpaque() && intro.menuLinks(2).isOpaque());
    pointer::hover(intro, QPoint(400, 300));
    for (int k : {0, 1, 2, 3, 4})
        QVERIFY(!intro.menuLinks(k).isOpaque());
    QVERIFY(!intro.title.isOpaque() && !intro.guideLink->isOpaque());
    QVERIFY(intro.webLink->isOpaque()); // the web address stays opaque
}

void NavigationTest::hoverHighlightsOnAMenu()
{
    TestScreens t;
    auto& menu = t->get<Menu>("menu2");
    QVERIFY(pointer::showAndWait(menu));
    QVERIFY(menu.title.isOpaque());
    pointer::hover(menu.menuLinks(0), QPoint(10, 10));
    QVERIFY(menu.menuLinks(0).isOpaque());
    pointer::hover(menu.topics(1), QPoint(10, 10));
    QVERIFY(menu.menuLinks(0).isOpaque());
    pointer::hover(menu, QPoint(400, 580));
    QVERIFY(!menu.title.isOpaque() && !menu.menuLinks(0).isOpaque());
    for (int k = 0; k <= 4; ++k)
        QVERIFY(menu.topics(k).isOpaque());
}

QTEST_MAIN(NavigationTest)
#include "test_navigation.moc"
