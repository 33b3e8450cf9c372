// The activity catalogue against what the program really registers and draws:
// a topic that names a screen nobody registered, a registered activity no menu
// reaches, or a picture the generator never drew would each be a silent fault.
#include "activity/catalogue.h"
#include "app/menu.h"
#include "app/guidepages.h"
#include "forms/screen.h"
#include "support/testscreens.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using activity::catalogue;
using activity::Topic;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void everyMenuRowHasOneTopic();
    void builtTopicsOpenRegisteredScreens();
    void everyRegisteredActivityIsOnAMenu();
    void menusAndGuideShowTheCatalogueTitles();
    void everyPictureAScreenNamesWasDrawn_data();
    void everyPictureAScreenNamesWasDrawn();
};

void CatalogueTest::everyMenuRowHasOneTopic()
{
    QSet<QString> titles;
    for (int menu = 1; menu <= activity::MenuCount; ++menu)
        for (int row = 0; row < activity::TopicsPerMenu; ++row) {
            const Topic* topic = activity::topicAt(menu, row);
            QVERIFY2(topic, qPrintable(QStringLiteral("menu %1 row %2 is empty").arg(menu).arg(row)));
            QVERIFY2(!titles.contains(topic->title), qPrintable(topic->title));
            titles << topic->title;
        }
    QCOMPARE(int(catalogue().size()), activity::MenuCount * activity::TopicsPerMenu);
}

void CatalogueTest::builtTopicsOpenRegisteredScreens()
{
    TestScreens t;
    for (const Topic& topic : catalogue()) {
        QVERIFY2(!topic.screens.empty(), qPrintable(topic.title));
        if (!topic.built)
            continue;
        for (const QString& screen : topic.screens)
            QVERIFY2(t->knows(screen), qPrintable(topic.title + ": no screen " + screen));
    }
}

void CatalogueTest::everyRegisteredActivityIsOnAMenu()
{
    TestScreens t;
    QSet<QString> shell{"Titlefrm", "intro0", "Grey", "notepad"};
    for (const app::MenuData& menu : app::menuTable())
        shell << menu.screen;
    for (const app::GuidePage& page : app::guidePages())
        shell << page.screen;
    for (const QString& name : t->registeredNames()) {
        if (shell.contains(name))
            continue;
        const Topic* topic = activity::topicOf(name);
        QVERIFY2(topic && topic->built, qPrintable(name + " is registered but no menu topic opens it"));
    }
}

void CatalogueTest::menusAndGuideShowTheCatalogueTitles()
{
    TestScreens t;
    t->show("intro0");
    for (int number = 1; number <= activity::MenuCount; ++number) {
        auto& menu = t->get<app::Menu>(QStringLiteral("menu%1").arg(number));
        const app::GuidePage& page = app::guidePages().at(std::size_t(number));
        for (int row = 0; row < activity::TopicsPerMenu; ++row) {
            const QString title = activity::topicAt(number, row)->title;
            QCOMPARE(menu.Label3(row).Caption(), title);
            QCOMPARE(page.table.rows.at(std::size_t(row)).front(), title);
        }
    }
}

void CatalogueTest::everyPictureAScreenNamesWasDrawn_data()
{
    QTest::addColumn<QString>("screen");
    for (const Topic& topic : catalogue())
        if (topic.built)
            for (const QString& screen : topic.screens)
                QTest::newRow(qPrintable(screen)) << screen;
}

void CatalogueTest::everyPictureAScreenNamesWasDrawn()
{
    QFETCH(QString, screen);
    // A picture that is missing or unreadable is reported as a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^Picture ")));
    TestScreens t;
    t->show(screen);
    QVERIFY(t->isLoaded(screen));
}

QTEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
