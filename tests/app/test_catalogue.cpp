// The catalogue against what the program really registers and draws: two
// topics in one place, a topic that names a screen nobody registered, a
// registered activity no menu reaches, or a picture the generator never drew
// would each be a silent fault.
#include "activity/topic.h"
#include "app/catalogue.h"
#include "forms/pictures.h"
#include "forms/screen.h"
#include "support/testscreens.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using activity::Topic;

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void menusAreFilledFromTheTopWithoutGaps();
    void everyRegisteredActivityIsOneTopics();
    void everyScreenOpensWithEveryPictureItsTopicNames_data();
    void everyScreenOpensWithEveryPictureItsTopicNames();
};

void CatalogueTest::menusAreFilledFromTheTopWithoutGaps()
{
    QMap<int, QList<int>> rows;
    QSet<QString> titles;
    for (const Topic& topic : app::catalogue()) {
        QVERIFY2(!titles.contains(topic.title), qPrintable("two topics titled " + topic.title));
        titles << topic.title;
        rows[topic.menu] << topic.row;
    }
    QCOMPARE(rows.firstKey(), 1);
    QCOMPARE(rows.lastKey(), int(rows.size()));
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        std::sort(it->begin(), it->end());
        for (int row = 0; row < it->size(); ++row)
            QVERIFY2(it->at(row) == row, qPrintable(QStringLiteral("menu %1 has no row %2, or two").arg(it.key()).arg(row)));
    }
}

void CatalogueTest::everyRegisteredActivityIsOneTopics()
{
    TestScreens t;
    QSet<QString> named;
    for (const Topic& topic : app::catalogue())
        for (const QString& screen : topic.screens) {
            QVERIFY2(t->knows(screen), qPrintable(topic.title + ": no screen " + screen));
            QVERIFY2(!named.contains(screen), qPrintable(screen + " belongs to two topics"));
            named << screen;
        }
    // The rest are the shell's: the title, opening, backdrop, menus, guide and
    // Jotter; My Activities and the editor of a teacher's own activities.
    static const QRegularExpression shell(QStringLiteral("^(Titlefrm|intro0|Grey|notepad|menu\\d+|TeacherGuide\\d+|myactivities|labeleditor)$"));
    for (const QString& name : t->registeredNames())
        QVERIFY2(named.contains(name) || shell.match(name).hasMatch(), qPrintable(name + " is registered but no menu topic opens it"));
}

void CatalogueTest::everyScreenOpensWithEveryPictureItsTopicNames_data()
{
    QTest::addColumn<QString>("screen");
    for (const Topic& topic : app::catalogue())
        for (const QString& screen : topic.screens)
            QTest::newRow(qPrintable(screen)) << screen;
}

void CatalogueTest::everyScreenOpensWithEveryPictureItsTopicNames()
{
    QFETCH(QString, screen);
    const Topic* topic = activity::topicOfScreen(app::catalogue(), screen);
    QVERIFY(topic);
    for (const QString& picture : topic->pictures)
        QVERIFY2(!forms::resolvePicturePath(picture).isEmpty(), qPrintable(picture + " was not drawn"));
    // A picture the screen shows that is missing or unreadable is reported as a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^Picture ")));
    TestScreens t;
    t->show(screen);
    QVERIFY(t->isLoaded(screen));
}

QTEST_MAIN(CatalogueTest)
#include "test_catalogue.moc"
